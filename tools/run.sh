#!/usr/bin/env bash
# Builds the program in build/ (as tools/test.sh does) and runs it with the given arguments:
#   tools/run.sh convert "45° 30' 15\" N, 73° 20' 30\" W"
# Build messages go to standard error, so standard output is the program's own.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$root/tools/deps.sh"
{
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DQUORVANE_WERROR=ON \
    -DQUORVANE_WITH_QT=ON
  cmake --build "$root/build" -j 2 --target quorvane
} >&2
exec "$root/build/app/quorvane" "$@"
