#!/usr/bin/env bash
# Installs a built Quorvane .deb into a fresh minimal Debian made with mmdebstrap and starts the
# installed program there: a one-off check that the package's dependencies are complete on that
# release. Not part of the test command; needs root, mmdebstrap and Debian's mirror.
#
#   tools/check-deb-in-chroot.sh PACKAGE.deb [SUITE [CHROOT_DIR]]
#   tools/check-deb-in-chroot.sh build/quorvane_0.1.0_amd64.deb                 # Debian 12
#   tools/check-deb-in-chroot.sh build-arm64/quorvane_0.1.0_arm64.deb trixie    # a phone's
#
# The system is made for the package's architecture and SUITE (default bookworm); CHROOT_DIR
# (default /tmp/quorvane-SUITE-ARCH) is made when it does not exist yet; an existing one is
# reused, so use a new directory for a really fresh system. An arm64 system on an amd64 machine
# runs through qemu-user-static: for the run, the kernel's binfmt_misc hands arm64 programs to
# QEMU (the registration is the machine's, not the chroot's: it is removed at the end, unless it
# was there before).
set -euo pipefail

deb=${1:?usage: $0 PACKAGE.deb [SUITE [CHROOT_DIR]]}
suite=${2:-bookworm}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

[[ -f $deb ]] || { echo "no such package: $deb" >&2; exit 2; }
((EUID == 0)) || { echo "run as root (mmdebstrap and chroot need it)" >&2; exit 2; }
command -v mmdebstrap > /dev/null || { echo "install mmdebstrap first" >&2; exit 2; }
arch=$(dpkg-deb -f "$deb" Architecture)
root=${3:-/tmp/quorvane-$suite-$arch}

binfmt=/proc/sys/fs/binfmt_misc
mounted_binfmt=no
registered=""
proc_mounted=no
cleanup() {
  if [[ $proc_mounted == yes ]]; then umount "$root/proc" || true; fi
  if [[ -n $registered ]]; then echo -1 > "$binfmt/$registered" || true; fi
  if [[ $mounted_binfmt == yes ]]; then umount "$binfmt" || true; fi
}
trap cleanup EXIT

# register_emulator: arm64 programs run through qemu-user-static's interpreter, as Debian's
# binfmt.d entry describes it (flag F: the interpreter is opened now, so it works in the chroot).
register_emulator() {
  local entry=qemu-aarch64 conf=/usr/lib/binfmt.d/qemu-aarch64.conf
  [[ $arch == arm64 ]] || { echo "no emulator known for $arch" >&2; exit 2; }
  [[ -f $conf ]] || { echo "install qemu-user-static first" >&2; exit 2; }
  if [[ ! -e $binfmt/register ]]; then
    mount -t binfmt_misc binfmt_misc "$binfmt"
    mounted_binfmt=yes
  fi
  if [[ ! -e $binfmt/$entry ]]; then
    grep -v '^[#;]' "$conf" > "$binfmt/register"
    registered=$entry
  fi
  echo "==== $arch programs run through $(sed -n 's/^interpreter //p' "$binfmt/$entry")"
}
[[ $arch == "$(dpkg --print-architecture)" || $arch == all ]] || register_emulator

if [[ ! -d $root ]]; then
  echo "==== making a minimal Debian $suite for $arch in $root"
  mmdebstrap --variant=minbase --architectures="$arch" "$suite" "$root" "$mirror"
fi

mount -t proc proc "$root/proc"
proc_mounted=yes
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/quorvane.deb"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "==== apt-get install of the package with its dependencies"
in_root apt-get update -q
# --reinstall: in a reused root the same version may be installed already, and apt would then
# keep the old build and check that instead.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install --reinstall -y -q /tmp/quorvane.deb
in_root dpkg -s quorvane | grep -E '^(Status|Version|Architecture):'
in_root sh -c '. /etc/os-release && echo "in $PRETTY_NAME, $(uname -m)"'

echo "==== the installed program"
in_root sh -c 'command -v quorvane && ls /usr/share/quorvane /usr/share/applications'
in_root quorvane convert "48.8583701, 2.2944813"
in_root env QT_QPA_PLATFORM=offscreen quorvane --self-test
in_root env QT_QPA_PLATFORM=offscreen quorvane --screenshot /tmp/converter.png --size 360x720 \
  "48.8583701, 2.2944813"
in_root env QT_QPA_PLATFORM=offscreen quorvane --screenshot /tmp/settings.png --size 360x720 \
  --page settings
echo "==== the installed quorvane starts (screenshots: $root/tmp/converter.png, settings.png)"
