#!/usr/bin/env bash
# Builds Quorvane for arm64 phones (Mobian and other Debian-based systems) on Debian 12 amd64 and
# checks the build under user-mode QEMU:
#   1. installs what it needs as root (tools/deps.sh with tools/debian-packages.txt and
#      tools/debian-packages-arm64.txt, after `dpkg --add-architecture arm64`); nothing is
#      installed when apt would remove a package;
#   2. unpacks the arm64 GeographicLib package into build-arm64/geographiclib (its -dev package
#      is not co-installable with the amd64 one) and links its static library;
#   3. cross-builds into build-arm64/ with cmake/toolchain-aarch64-linux-gnu.cmake;
#   4. runs the arm64 program under qemu-aarch64-static: `convert`, `--self-test`, and a
#      `--screenshot` in a 360×720 window (build-arm64/phone-360x720.png, the whole form);
#   5. runs the platform-free tests and the packaging tests through CTest (log in
#      build-arm64/test-run.log), and puts the package they build at
#      build-arm64/quorvane_VERSION_arm64.deb;
#   6. checks that apt could install that package here, on Debian 12 (a simulation).
# Exits non-zero at the first failure.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-arm64
jobs=2
emulator=qemu-aarch64-static

as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

echo "==== phone build: the packages" >&2
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  as_root dpkg --add-architecture arm64
fi
"$root/tools/deps.sh"
"$root/tools/deps.sh" "$root/tools/debian-packages-arm64.txt"

echo "==== phone build: GeographicLib for arm64" >&2
geographiclib=$build/geographiclib
geographiclib_library=$geographiclib/usr/lib/aarch64-linux-gnu/libGeographicLib.a
if [[ ! -f $geographiclib_library ]]; then
  download=$(mktemp -d)
  trap 'rm -rf "$download"' EXIT
  # apt-get download hands the download to the _apt user, which must be able to write there.
  chmod 755 "$download"
  (cd "$download" && apt-get download libgeographiclib-dev:arm64)
  mkdir -p "$geographiclib"
  dpkg-deb -x "$download"/libgeographiclib-dev_*_arm64.deb "$geographiclib"
fi

echo "==== phone build: configuring and building $build" >&2
rm -f "$build/test-run.log"
# -O2, as Debian builds its packages (and GCC 12 warns falsely about string copies at -O3).
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQUORVANE_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-aarch64-linux-gnu.cmake" \
  -DGeographicLib_INCLUDE_DIR="$geographiclib/usr/include" \
  -DGeographicLib_LINKED_LIBRARY="$geographiclib_library"
cmake --build "$build" -j "$jobs"

echo "==== phone build: the arm64 program under $emulator" >&2
program=$build/app/quorvane
file -b "$program" | grep -q 'ARM aarch64' || { echo "not an arm64 program: $program" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
"$emulator" "$program" convert "45° 30' 15\" N, 73° 20' 30\" W"
"$emulator" "$program" --self-test
screenshot=$build/phone-360x720.png
rm -f "$screenshot"
"$emulator" "$program" --screenshot "$screenshot" --size 360x720 "48.8583701, 2.2944813"
# The picture shows the whole form: as wide as the window, and taller when the form scrolls.
height=$(file -b "$screenshot" | sed -nE 's/^PNG image data, 360 x ([0-9]+),.*/\1/p')
((${height:-0} >= 720)) || { echo "no 360×720 screenshot in $screenshot" >&2; exit 1; }

echo "==== phone build: the tests under $emulator" >&2
ctest --test-dir "$build" --output-on-failure -j "$jobs" 2>&1 | tee "$build/test-run.log"

version=$(sed -nE 's/^CMAKE_PROJECT_VERSION:STATIC=(.*)/\1/p' "$build/CMakeCache.txt")
package=$build/quorvane_${version}_arm64.deb
cp "$build/tests/packaging/deb/quorvane_${version}_arm64.deb" "$package"

echo "==== phone build: could apt install the package on this Debian? (simulated)" >&2
apt-get install --simulate --no-remove "$package" > "$build/install-simulation.log" ||
  { cat "$build/install-simulation.log" >&2; exit 1; }
dpkg-deb -f "$package" Package Version Architecture Depends
echo "==== phone build: $package"
