#!/usr/bin/env bash
# Installs, builds and runs every test, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --no-tests=error -j "$(nproc)" "$@"
