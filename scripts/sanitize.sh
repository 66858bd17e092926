#!/usr/bin/env bash
# Builds into build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the unit and GUI tests there; any
# finding fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}
export CMAKE_ARGS="-DSANITIZE=address,undefined -DBRIVEL_BUILD_BENCH=OFF"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
exec ./scripts/test.sh -L "unit|gui" "$@"
