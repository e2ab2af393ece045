#!/usr/bin/env bash
# Builds and runs every test, as CI does:
#   1. the normal build in build/ (g++, warnings as errors, with the Qt application), all tests;
#   2. the sanitizer build in build-asan/ (clang++, AddressSanitizer and UBSan, fuzzers, no Qt):
#      the unit tests and a short fixed run of each fuzzer;
#   3. the phone build in build-arm64/ (tools/build-phone.sh): the arm64 program and package,
#      started under QEMU with the platform-free tests.
# Exits non-zero when a build or a test fails; the last line sums up.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=2

"$root/tools/deps.sh"

# Qt programs draw offscreen: CI has no display.
export QT_QPA_PLATFORM=offscreen

passed=0
failed=0
failures=()

# run_stage NAME BUILD_DIR CMAKE_OPTIONS... : configure, build and test one build directory.
run_stage() {
  local name=$1 dir=$2
  shift 2
  echo "==== $name: configuring $dir"
  if ! cmake -S "$root" -B "$dir" -G Ninja -DQUORVANE_WERROR=ON "$@" ||
    ! cmake --build "$dir" -j "$jobs"; then
    echo "==== $name: the build failed"
    failures+=("$name build")
    failed=$((failed + 1))
    return 0
  fi
  echo "==== $name: testing"
  local log="$dir/test-run.log" status=0
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$log" || status=$?
  tally "$name" "$log" "$status"
}

# tally NAME LOG STATUS: adds the counts of a ctest run's log to the totals.
tally() {
  local name=$1 log=$2 status=$3
  # "100% tests passed, 0 tests failed out of 412"
  local summary total bad
  summary=$(grep -sE 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  total=$(sed -nE 's/.*failed out of ([0-9]+).*/\1/p' <<< "$summary")
  bad=$(sed -nE 's/.* ([0-9]+) tests? failed out of.*/\1/p' <<< "$summary")
  if [[ -z $total ]]; then
    echo "==== $name: ctest gave no summary"
    failures+=("$name tests")
    failed=$((failed + 1))
    return 0
  fi
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  if ((status != 0 || bad > 0)); then failures+=("$name tests"); fi
}

run_stage "normal build" build -DCMAKE_CXX_COMPILER=g++ -DQUORVANE_WITH_QT=ON
run_stage "sanitizer build" build-asan -DCMAKE_CXX_COMPILER=clang++ -DQUORVANE_SANITIZE=ON \
  -DQUORVANE_FUZZ=ON -DQUORVANE_WITH_QT=OFF

# The phone build runs its own tests (under QEMU) and leaves their log where tally reads it.
echo "==== phone build: tools/build-phone.sh"
phone_start=$SECONDS
phone_status=0
"$root/tools/build-phone.sh" || phone_status=$?
tally "phone build" "$root/build-arm64/test-run.log" "$phone_status"
echo "==== phone build: $((SECONDS - phone_start)) s"

"$root/tools/count-lines" "$root"

if ((${#failures[@]} > 0)); then
  echo "failed: ${failures[*]}"
  echo "test: $passed passed, $failed failed"
  exit 1
fi
echo "test: $passed passed, $failed failed"
