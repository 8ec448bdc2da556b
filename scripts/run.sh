#!/usr/bin/env bash
# Sets everything up, builds and starts the game. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec "${TRIVANTO_BUILD_DIR:-build}/bin/trivanto" "$@"
