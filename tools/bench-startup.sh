#!/usr/bin/env bash
# Start-up of the application against an empty Qt Quick window built the same way, and the
# budget it must keep.
#
#   tools/bench-startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 31)
#   cmake --build BUILD_DIR --target bench_startup  (the same, after building both programs)
#   QUORVANE_BENCH_EMULATOR=qemu-aarch64-static tools/bench-startup.sh build-arm64 5
#                                                   (a cross build: both programs run in the
#                                                   emulator; the ratios only, no budget)
#
# Both programs render offscreen, save their first frame and exit. For each run three figures
# are taken up to that first frame: the wall time from just before the program is started (the
# program prints the moment of its first frame), the processor time the program used (steadier
# than wall time on a busy machine), and its peak resident memory. The two programs alternate,
# after two warm-up runs each, and the medians are compared (31 runs by default: on a shared
# two-core machine single runs vary by a third, and the medians of 15 by a tenth). The exit
# status is 1 when a ratio lies above its budget (below), 2 when a program is missing or does
# not report.
set -euo pipefail

# The budget: the application with the form filled (and the grid references shown) against the
# empty window, first frame, processor time and peak memory.
budget_wall=1.3
budget_cpu=1.4
budget_memory=1.2

build=${1:-build}
runs=${2:-31}
read -r -a emulator <<< "${QUORVANE_BENCH_EMULATOR:-}"
app="$build/app/quorvane"
empty="$build/tests/ui/empty_window/quorvane_empty_window"
position="48.8583701, 2.2944813"
for program in "$app" "$empty"; do
  [[ -x $program ]] || { echo "missing $program: build the project first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen QUORVANE_STARTUP_REPORT=1
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One run: prints "WALL_MICROSECONDS CPU_MICROSECONDS PEAK_RSS_KB" up to the first frame.
measure() {
  local start report frame cpu rss
  start=$(date +%s%N)
  report=$("$@" 2>&1 >/dev/null | grep '^quorvane-startup ') || {
    echo "no start-up report from: $*" >&2
    exit 2
  }
  frame=${report#*first_frame_unix_ns=}
  frame=${frame%% *}
  cpu=${report#*cpu_us=}
  cpu=${cpu%% *}
  rss=${report#*peak_rss_kb=}
  echo "$(((frame - start) / 1000)) $cpu $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_app() { measure "${emulator[@]}" "$app" --screenshot "$work/app.png" "$position"; }
run_empty() { measure "${emulator[@]}" "$empty" --screenshot "$work/empty.png"; }

for _ in 1 2; do run_app >/dev/null; run_empty >/dev/null; done
: >"$work/app.txt"
: >"$work/empty.txt"
for ((i = 0; i < runs; i++)); do
  run_app >>"$work/app.txt"
  run_empty >>"$work/empty.txt"
done

column() { cut -d' ' -f"$1" "$work/$2.txt" | median; }

awk -v runs="$runs" -v emulated="${#emulator[@]}" -v bw="$budget_wall" -v bc="$budget_cpu" -v bm="$budget_memory" \
    -v aw="$(column 1 app)" -v ac="$(column 2 app)" -v ak="$(column 3 app)" \
    -v ew="$(column 1 empty)" -v ec="$(column 2 empty)" -v ek="$(column 3 empty)" 'BEGIN {
  printf "start-up to the first frame, offscreen, median of %d warm runs each\n", runs
  printf "%-34s %12s %12s %12s\n", "", "first frame", "CPU time", "peak RSS"
  printf "%-34s %9.1f ms %9.1f ms %9.1f MB\n", "empty Qt Quick ApplicationWindow", ew / 1000, ec / 1000, ek / 1024
  printf "%-34s %9.1f ms %9.1f ms %9.1f MB\n", "quorvane, form filled", aw / 1000, ac / 1000, ak / 1024
  printf "%-34s %11.2fx %11.2fx %11.2fx\n", "ratio", aw / ew, ac / ec, ak / ek
  if (emulated > 0) {
    print "(both in an emulator: the ratios compare, the budget does not apply)"
    exit 0
  }
  printf "%-34s %11.2fx %11.2fx %11.2fx\n", "budget", bw, bc, bm
  over = (aw / ew > bw) + (ac / ec > bc) + (ak / ek > bm)
  if (over > 0) {
    printf "over budget in %d of 3 figures\n", over
    exit 1
  }
  print "within budget"
}'
