#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors and runs every test, then a short fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/check-floors.sh
export TRIVANTO_BUILD_DIR=${TRIVANTO_BUILD_DIR:-build}
./scripts/build.sh -DTRIVANTO_WERROR=ON -DTRIVANTO_TESTS=ON -DTRIVANTO_BENCH=ON
(cd "$TRIVANTO_BUILD_DIR" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j "$(nproc)")
# CI runs on a machine of its own as root: there the package is installed with apt for real.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    ./scripts/check-package-install.sh "$TRIVANTO_BUILD_DIR"
fi
./scripts/fuzz.sh 20
