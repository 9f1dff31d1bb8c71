#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz (AddressSanitizer and UBSan) and
# runs each from its seed corpus for FUZZ_SECONDS seconds (30), printing its executions.
# A failure keeps the input in build-fuzz/crashes/ and ends with status 1; such an input
# belongs in the normal tests as a regression case.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-30}
jobs=${JOBS:-1}

CC=clang CXX=clang++ cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_transitions_reader fuzz_city_reader \
  fuzz_default_city_reader fuzz_typed_numbers

status=0
mkdir -p "$build/crashes"
for harness in transitions_reader city_reader default_city_reader typed_numbers; do
  work=$build/corpus/$harness
  mkdir -p "$work"
  cp -n "$root/tests/fuzz/corpus/$harness/"* "$work/"
  log=$build/$harness.log
  if (cd "$build" && "./fuzz_$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$harness-" "$work") >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $harness: ${runs:-?} executions in ${seconds} s, no failure"
  else
    echo "fuzz $harness: FAILED (log $log, input in $build/crashes/)"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
