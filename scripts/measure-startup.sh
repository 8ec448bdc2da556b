#!/usr/bin/env bash
# Measures the start-up against a bare Qt window (offscreen and on a virtual X display, with the
# sound on and off) and the game start against the reading of its category files, from a
# Release build with benchmarks: CMAKE_BUILD_TYPE=Release TRIVANTO_BUILD_DIR=build-release \
#   ./scripts/build.sh -DTRIVANTO_BENCH=ON
# Prints the ratios (goals: start-up time 2, peak memory 1.5, game start 10, longest step of a
# game start under 16 ms). Figures are medians; measure on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TRIVANTO_BUILD_DIR:-build-release}
bench="$build_dir/bench"
for program in bench_startup bench_pool_draw bare_window; do
    if [[ ! -x "$bench/$program" ]]; then
        echo "missing $bench/$program: build in Release with -DTRIVANTO_BENCH=ON first" >&2
        exit 1
    fi
done
load=$(cut -d' ' -f1 /proc/loadavg)
echo "load average: $load ($(nproc) cores)"
if awk -v l="$load" 'BEGIN { exit !(l > 1.0) }'; then
    echo "warning: the machine is busy; the figures will scatter" >&2
fi

counters() {  # the benchmark's name and all its counters (times, peaks, ratios), one line per case
    sed -n -E 's/^BM_([^ ]+)[^=]* ([a-z_A-Z]+=.*)$/\1 \2/p'
}

echo "== start-up, offscreen"
"$bench/bench_startup" --benchmark_filter='offscreen' 2>/dev/null | counters
echo "== start-up, X (Xvfb)"
xvfb-run -a -s "-screen 0 1280x1024x24" "$bench/bench_startup" --benchmark_filter='xcb' \
    2>/dev/null | counters
echo "== game start, 101 categories of 200 questions"
"$bench/bench_pool_draw" --benchmark_filter='GameStartVsRead|LongestGameStartStep' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    grep '_median' | counters
