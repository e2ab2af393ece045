#!/usr/bin/env bash
# Installs a built Quorvane .deb into a fresh Debian 12 (bookworm) made with debootstrap and
# starts the installed program there: a one-off check that the package's dependencies are
# complete. Not part of the test command; needs root, debootstrap and Debian's mirror.
#
#   tools/check-deb-in-chroot.sh PACKAGE.deb [CHROOT_DIR]
#
# CHROOT_DIR (default /tmp/quorvane-deb12) is made with `debootstrap --variant=minbase` when it
# does not exist yet; an existing one is reused, so use a new directory for a really fresh system.
set -euo pipefail

deb=${1:?usage: $0 PACKAGE.deb [CHROOT_DIR]}
root=${2:-/tmp/quorvane-deb12}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

[[ -f $deb ]] || { echo "no such package: $deb" >&2; exit 2; }
((EUID == 0)) || { echo "run as root (debootstrap and chroot need it)" >&2; exit 2; }
command -v debootstrap > /dev/null || { echo "install debootstrap first" >&2; exit 2; }

if [[ ! -d $root ]]; then
  echo "==== making a minimal Debian 12 in $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

cleanup() { umount "$root/proc" 2> /dev/null || true; }
trap cleanup EXIT
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/quorvane.deb"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "==== dpkg -i, then apt-get -f install for the dependencies"
in_root apt-get update -q
in_root dpkg -i /tmp/quorvane.deb || true
in_root env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -q
in_root dpkg -s quorvane | grep -E '^(Status|Version):'

echo "==== the installed program"
in_root sh -c 'command -v quorvane && ls /usr/share/quorvane /usr/share/applications'
in_root env QT_QPA_PLATFORM=offscreen quorvane --self-test
in_root env QT_QPA_PLATFORM=offscreen quorvane --screenshot /tmp/settings.png --page settings
in_root quorvane convert "48.8583701, 2.2944813"
echo "==== the installed quorvane starts (screenshot: $root/tmp/settings.png)"
