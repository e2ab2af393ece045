#!/usr/bin/env bash
# Compares the Plus Codes of the grid library with the npm package open-location-code (Google's
# JavaScript implementation) on many random positions: the code written for every length from 2
# to 15 digits, and the cell each code reads back to. Not part of the tests (it needs npm and the
# network); run by hand:
#   tools/check-plus-code.sh [BUILD_DIR] [POSITIONS]     (defaults: build-noqt, 100000)
# The build directory must hold a built quorvane_grid. Exit status 1 when a code differs other than
# at a cell edge, where the package's floating-point steps and the library's whole-number steps
# may put a position on either side.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build-noqt}
positions=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm install --silent --no-audit --no-fund open-location-code@1.0.3 > /dev/null)
g++ -std=c++20 -O2 -I"$root" "$here/plus_code_probe.cpp" "$build/core/grid/libquorvane_grid.a" \
  "$build/core/libquorvane_core.a" \
  -lGeographicLib -o "$work/probe"

cd "$work"
cat > compare.js <<'JS'
const { execFileSync } = require('child_process');
const { OpenLocationCode } = require('open-location-code');
const olc = new OpenLocationCode();
const count = Number(process.argv[2]);
const lengths = [2, 4, 6, 8, 10, 11, 12, 13, 14, 15];
// A seeded generator, so a run can be repeated.
let seed = 20261206;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const cases = [];
for (let i = 0; i < count; i++) {
  // Every tenth position on a round value: edges of cells are where implementations part.
  let lat = random() * 180 - 90, lng = random() * 360 - 180;
  if (i % 10 === 0) { lat = Math.round(lat * 8000) / 8000; lng = Math.round(lng * 8000) / 8000; }
  cases.push([lat, lng, lengths[i % lengths.length]]);
}
const out = execFileSync('./probe', { input: cases.map(c => c.join(' ')).join('\n') + '\n',
                                      maxBuffer: 1 << 30 }).toString().trim().split('\n');
let same = 0, edge = 0, differ = 0, readDiffer = 0;
const examples = [];
cases.forEach(([lat, lng, len], i) => {
  const [code, cLat, cLng, height, width] = out[i].split(' ');
  const theirs = olc.encode(lat, lng, len);
  if (theirs === code) same++;
  else {
    // Which side of an edge: the position lies within a billionth of a degree of the cell the
    // package names.
    const area = olc.decode(theirs);
    const near = (v, lo, hi) => v > lo - 1e-9 && v < hi + 1e-9;
    const onEdge = Math.min(Math.abs(lat - area.latitudeLo), Math.abs(lat - area.latitudeHi),
                            Math.abs(lng - area.longitudeLo), Math.abs(lng - area.longitudeHi)) < 1e-9;
    if (onEdge && near(lat, area.latitudeLo, area.latitudeHi)) {
      edge++;
      if (process.env.SHOW_EDGES && edge <= 5) examples.push(`edge ${lat}, ${lng} (${len}): ${code} vs ${theirs}`);
    }
    else { differ++; if (examples.length < 10) examples.push(`${lat}, ${lng} (${len}): ${code} vs ${theirs}`); }
  }
  const area = olc.decode(code);
  if (Math.abs(area.latitudeCenter - Number(cLat)) > 1e-9 ||
      Math.abs(area.longitudeCenter - Number(cLng)) > 1e-9 ||
      Math.abs(area.latitudeHi - area.latitudeLo - Number(height)) > 1e-12 ||
      Math.abs(area.longitudeHi - area.longitudeLo - Number(width)) > 1e-12) {
    readDiffer++;
    if (examples.length < 10) examples.push(`read ${code}: ${cLat}, ${cLng} vs ${area.latitudeCenter}, ${area.longitudeCenter}`);
  }
});
console.log(`${count} positions: ${same} codes equal, ${edge} differ on a cell edge, ${differ} differ elsewhere; ` +
            `${count - readDiffer} codes read back to the same cell, ${readDiffer} differ`);
examples.forEach(e => console.log('  ' + e));
process.exit(differ + readDiffer > 0 ? 1 : 0);
JS
node compare.js "$positions"
