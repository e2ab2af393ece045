#!/usr/bin/env bash
# `quorvane convert -` against GeographicLib's GeoConvert on the same positions.
#
#   tools/bench-vs-geoconvert.sh [LINES] [RUNS]        (defaults: 1000000, 5)
#
# Generates LINES random positions (signed decimal degrees, one per line, fixed seed), converts
# them with `quorvane convert -` (all four notations) and with `GeoConvert -: -p 1` (degrees,
# minutes and seconds), taking turns RUNS times after a warm-up (wall time by date +%s.%N), and
# prints the median lines per second of both and their ratio. Measures only; asserts nothing.
# On a machine shared with other work the figures vary from run to run: compare the ratio.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lines=${1:-1000000}
runs=${2:-5}
build="$root/build-release"

if ! command -v GeoConvert > /dev/null; then
  echo "installing geographiclib-tools" >&2
  apt-get update >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y geographiclib-tools >&2
fi

# An optimised build of the program alone (no Qt, no tests).
{
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_WITH_QT=OFF \
    -DBUILD_TESTING=OFF
  cmake --build "$build" -j 2 --target quorvane
} > /dev/null
quorvane="$build/app/quorvane"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input="$work/positions.txt"
awk -v n="$lines" 'BEGIN {
  srand(20261206)
  for (i = 0; i < n; i++) printf "%.7f, %.7f\n", rand() * 180 - 90, rand() * 360 - 180
}' > "$input"

# Both must read every line: a failure here would make the timing meaningless.
"$quorvane" convert - < "$input" > "$work/quorvane.out"
GeoConvert -: -p 1 < "$input" > "$work/geoconvert.out"
echo "input:      $(head -n 1 "$input")   ($lines lines)"
echo "quorvane:   $(head -n 1 "$work/quorvane.out")"
echo "GeoConvert: $(head -n 1 "$work/geoconvert.out")"

seconds_of() { # COMMAND...: wall time of one run, input from the positions, output discarded
  local start end
  start=$(date +%s.%N)
  "$@" < "$input" > /dev/null
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f\n", e - s }'
}

median() { sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

# The two programs take turns, so a change in the machine's load hits both alike.
seconds_of "$quorvane" convert - > /dev/null # warm-up
seconds_of GeoConvert -: -p 1 > /dev/null
: > "$work/quorvane.times"
: > "$work/geoconvert.times"
for ((r = 0; r < runs; r++)); do
  seconds_of "$quorvane" convert - >> "$work/quorvane.times"
  seconds_of GeoConvert -: -p 1 >> "$work/geoconvert.times"
done
quorvane_seconds=$(median < "$work/quorvane.times")
geoconvert_seconds=$(median < "$work/geoconvert.times")

awk -v n="$lines" -v q="$quorvane_seconds" -v g="$geoconvert_seconds" -v cores="$(nproc)" 'BEGIN {
  printf "quorvane convert -    %8.3f s  %10.0f lines/s  (%d cores)\n", q, n / q, cores
  printf "GeoConvert -: -p 1    %8.3f s  %10.0f lines/s\n", g, n / g
  printf "ratio                 %8.1f x  (target: at least 10 x)\n", g / q
}'
