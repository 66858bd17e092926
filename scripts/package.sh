#!/usr/bin/env bash
# Builds the Debian package of brivel, kvos-sim and kvs and checks it with
# lintian (any error fails). By default a Release build without tests and
# benchmarks in build-package/; BUILD_DIR, BUILD_TYPE and CMAKE_ARGS pack
# another tree, configured as scripts/build.sh does (CI packs the tree its
# tests ran in). Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=${BUILD_DIR:-build-package}
export BUILD_TYPE=${BUILD_TYPE:-Release}
export CMAKE_ARGS=${CMAKE_ARGS--DBRIVEL_BUILD_TESTS=OFF -DBRIVEL_BUILD_BENCH=OFF}
./scripts/build.sh
rm -f "$BUILD_DIR"/brivel_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
deb=$(ls "$BUILD_DIR"/brivel_*.deb)
lintian --fail-on error --display-info "$deb"
echo "$deb"
