#!/usr/bin/env bash
# Configures and builds into build/ (or $TRIVANTO_BUILD_DIR). Extra arguments go to cmake.
# TRIVANTO_BUILD_TARGETS names the targets to build (space-separated); all when unset.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TRIVANTO_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    # Several checkouts of the tree share one cache: paths count from the checkout's root.
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} \
    "${launcher[@]}" "$@" >/dev/null
targets=()
for target in ${TRIVANTO_BUILD_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" -j "${TRIVANTO_JOBS:-$(nproc)}" "${targets[@]}"
