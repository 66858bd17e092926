#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/.
# BUILD_TYPE (default RelWithDebInfo) and CMAKE_ARGS choose the configuration;
# a tree configured with other ones is configured afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
CONFIGURATION="-DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-}"
STAMP="$BUILD_DIR/.brivel-configuration"
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ "$(cat "$STAMP" 2>/dev/null)" != "$CONFIGURATION" ]; then
  # --fresh drops cached values that the new configuration no longer sets.
  # shellcheck disable=SC2086
  cmake --fresh -S . -B "$BUILD_DIR" -G Ninja $CONFIGURATION
  echo "$CONFIGURATION" > "$STAMP"
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
