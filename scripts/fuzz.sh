#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: fuzzing skipped"
    exit 0
fi
ls fuzz/*.cpp >/dev/null 2>&1 || { echo "no fuzz targets"; exit 0; }
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIVANTO_FUZZ=ON -DTRIVANTO_TESTS=OFF -DTRIVANTO_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp | sed 's/^/fuzz_/; s/\.cpp$//')
cmake --build build-fuzz -j "$(nproc)" --target $targets
for name in $targets; do
    target=build-fuzz/fuzz/$name
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    # The checked-in seeds (fuzz/seeds/NAME) start the corpus; new finds go to build-fuzz.
    seeds=fuzz/seeds/${name#fuzz_}
    [ -d "$seeds" ] || seeds=
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" $seeds 2>&1 | tail -n 3
done
