#!/usr/bin/env bash
# Builds the Debian package: a Release build without tests and benchmarks in build-package/ (or
# $TRIVANTO_PACKAGE_DIR), then CPack. Prints the package's path. Extra arguments go to cmake,
# for example -DTRIVANTO_LANGUAGE=deutsch for the German game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir=${TRIVANTO_PACKAGE_DIR:-build-package}
CMAKE_BUILD_TYPE=Release TRIVANTO_BUILD_DIR=$build_dir ./scripts/build.sh \
    -DTRIVANTO_TESTS=OFF -DTRIVANTO_BENCH=OFF "$@"
rm -rf "$build_dir/package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir/package" >/dev/null
ls "$build_dir"/package/trivanto_*.deb
