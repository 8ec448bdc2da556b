#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# (or $TRIVANTO_SANITIZE_BUILD_DIR) and runs the tests there. Any finding (a memory error, a
# leak, undefined behaviour) ends its program with an error, so it fails the run.
# Expects the packages of scripts/setup.sh; the normal test command runs first.
#
# The whole suite runs instrumented, except the tests of the installed package: they check
# files and the package tool, not the program's memory, and an instrumented package would only
# cost time.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TRIVANTO_SANITIZE_BUILD_DIR:-build-sanitize}
# -O1 and line tables only keep the instrumented build quick and its reports readable.
TRIVANTO_BUILD_DIR=$build_dir CMAKE_BUILD_TYPE=RelWithDebInfo ./scripts/build.sh \
    -DTRIVANTO_SANITIZE=ON -DTRIVANTO_TESTS=ON -DTRIVANTO_BENCH=OFF -DTRIVANTO_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
(cd "$build_dir" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    ctest --output-on-failure -j "$(nproc)")
