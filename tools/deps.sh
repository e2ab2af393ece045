#!/usr/bin/env bash
# Installs the Debian packages of tools/debian-packages.txt that are missing, and generates the
# de_DE.UTF-8 locale the tests use when the system lacks it. Does nothing when all is there.
# Needs root (or sudo) only when something is missing. Messages go to standard error.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

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

mapfile -t wanted < <(sed -e 's/#.*//' "$here/debian-packages.txt" | tr -s ' \t' '\n' | sed '/^$/d')

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2> /dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "deps: installing ${missing[*]}" >&2
  as_root apt-get update >&2
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" >&2
fi

# `locale -a` spells it de_DE.utf8.
if ! locale -a 2> /dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "deps: generating the de_DE.UTF-8 locale" >&2
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 >&2
fi
