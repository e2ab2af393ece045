#!/usr/bin/env bash
# Installs the Debian packages of a list that are missing (tools/debian-packages.txt unless a
# list is given: tools/deps.sh [LIST]), and generates the de_DE.UTF-8 locale the tests use when
# the system lacks it. Does nothing when all is there. Needs root (or sudo) only when something
# is missing. Messages go to standard error. The machine is shared: when apt would remove any
# installed package to make room for the list's, nothing is installed and the exit status is 1.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
list=${1:-$here/debian-packages.txt}

as_root() {
  if [[ $(id -u) -eq 0 ]]; then
    "$@"
  elif command -v sudo > /dev/null; then
    sudo "$@"
  else
    echo "deps: need root to run: $*" >&2
    exit 1
  fi
}

mapfile -t wanted < <(sed -e 's/#.*//' "$list" | tr -s ' \t' '\n' | sed '/^$/d')

# installed PACKAGE[:ARCH]: installed for that architecture (the machine's own when none is
# named); with arm64 packages beside, dpkg-query answers for every architecture of a name.
native=$(dpkg --print-architecture)
installed() {
  local name=${1%%:*} arch=$native
  [[ $1 == *:* ]] && arch=${1#*:}
  dpkg-query -W -f='${Status} ${Architecture}\n' "$name" 2> /dev/null |
    grep -qxE "install ok installed ($arch|all)"
}

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "deps: installing ${missing[*]}" >&2
  as_root apt-get update >&2
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-remove "${missing[@]}" >&2
  then
    echo "deps: apt-get could not install ${missing[*]} without removing other packages (or" \
      "failed otherwise, see above); nothing was removed" >&2
    exit 1
  fi
fi

# `locale -a` spells it de_DE.utf8.
if ! locale -a 2> /dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "deps: generating the de_DE.UTF-8 locale" >&2
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 >&2
fi
