#!/usr/bin/env bash
# Builds the core and window tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $TRIVANTO_SANITIZE_BUILD_DIR) and runs them there. Any finding (a memory
# error, a leak, undefined behaviour) ends its program with an error, so it fails the run.
# Expects the packages of scripts/setup.sh; the normal test command runs first.
#
# Instrumented are the code that reads files and takes the players' input, and the whole game
# as the tests drive it: the core and window tests, the game program that the process tests
# start, and the tools that make its data. The server, platform and tool tests run in the
# normal build only: instrumenting them too would nearly double the time of this step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TRIVANTO_SANITIZE_BUILD_DIR:-build-sanitize}
programs=(trivanto_core_tests trivanto_ui_tests)
# -O1 and line tables only keep the instrumented build quick and its reports readable.
TRIVANTO_BUILD_DIR=$build_dir CMAKE_BUILD_TYPE=RelWithDebInfo \
    TRIVANTO_BUILD_TARGETS="${programs[*]} trivanto trivanto_data" ./scripts/build.sh \
    -DTRIVANTO_SANITIZE=ON -DTRIVANTO_TESTS=ON -DTRIVANTO_BENCH=OFF -DTRIVANTO_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
labels=$(IFS='|'; echo "^(${programs[*]})\$")
(cd "$build_dir" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    ctest --output-on-failure -j "$(nproc)" -L "$labels")
