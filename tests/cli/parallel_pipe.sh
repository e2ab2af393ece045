#!/bin/sh
# `quorvane convert -` as a filter GNU parallel spreads over processes: cut into blocks of lines,
# converted by several processes and put back in order, the output equals that of one process.
#   parallel_pipe.sh [EMULATOR] QUORVANE
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A few thousand positions in the notations people write (fixed seed).
awk 'BEGIN {
  srand(20)
  for (i = 0; i < 4000; i++) {
    lat = rand() * 180 - 90; lon = rand() * 360 - 180
    ns = lat < 0 ? "S" : "N"; ew = lon < 0 ? "W" : "E"
    a = lat < 0 ? -lat : lat; o = lon < 0 ? -lon : lon
    if (i % 3 == 0) printf "%.7f, %.7f\n", lat, lon
    else if (i % 3 == 1) printf "%d %d %.2f %s %d %d %.2f %s\n", a, a * 60 % 60, a * 3600 % 60, ns, \
      o, o * 60 % 60, o * 3600 % 60, ew
    else printf "%.4f %s, %.4f %s\n", a, ns, o, ew
  }
}' > "$work/positions.txt"

"$@" convert - < "$work/positions.txt" > "$work/one.tsv"
# Small blocks, so that the lines go to many processes.
parallel --will-cite --pipe --keep-order --block 16k -j 4 "$@" convert - \
  < "$work/positions.txt" > "$work/parallel.tsv"
test "$(wc -l < "$work/one.tsv")" -eq 4000
cmp "$work/one.tsv" "$work/parallel.tsv"
