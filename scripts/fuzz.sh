#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each for the given
# number of seconds (default 60) from a scratch copy of its seed corpus in
# fuzz/corpus/, so the committed corpora change only on purpose. Any finding
# fails the run; the input that caused it is kept in build-fuzz/findings/.
#
#   scripts/fuzz.sh [seconds-per-target]
#   FUZZ_RUNS=10000000 scripts/fuzz.sh 0     # a fixed number of runs, no time limit
#   FUZZ_TARGETS="map_chart_fuzzer" scripts/fuzz.sh 30
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}

./scripts/install-deps.sh
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRIVEL_FUZZ=ON -DBRIVEL_BUILD_TESTS=OFF -DBRIVEL_BUILD_BENCH=OFF
fi
cmake --build "$BUILD_DIR" --target fuzzers -j "$(nproc)"

findings="$PWD/$BUILD_DIR/findings"
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Recording a stack for every allocation costs the allocation-heavy targets
# most of their time; run a finding's input again to see where its memory
# came from.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:malloc_context_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:abort_on_error=1:print_stacktrace=1}

failed=()
summary=()
while read -r target options; do
  [ -n "$target" ] || continue
  if [ -n "${FUZZ_TARGETS:-}" ] && [[ " $FUZZ_TARGETS " != *" $target "* ]]; then
    continue
  fi
  mkdir -p "$scratch/$target"
  cp -r "fuzz/corpus/$target/." "$scratch/$target/"
  log="$scratch/$target.log"
  echo "== $target: ${SECONDS_PER_TARGET}s${FUZZ_RUNS:+, at most $FUZZ_RUNS runs}"
  status=0
  # shellcheck disable=SC2086  # the options are separate words
  "$BUILD_DIR/fuzz/$target" "$scratch/$target" $options \
    -max_total_time="$SECONDS_PER_TARGET" ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    failed+=("$target")
    summary+=("$target: FINDING after ${runs:-?} runs (exit $status), input in $findings/")
  else
    summary+=("$target: ${runs:-?} runs in ${took:-?} s, no finding")
  fi
done <"$BUILD_DIR/fuzz/fuzzers.txt"

if [ ${#summary[@]} -eq 0 ]; then
  echo "no fuzz target matched: ${FUZZ_TARGETS:-}"
  exit 1
fi
echo "== fuzzing"
printf '%s\n' "${summary[@]}"
echo "fuzz: $(( ${#summary[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
