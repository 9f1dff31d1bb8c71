#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints the figures: make bench.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done
if [ -x "$build/bench/command-line-timing" ]; then
  echo "== command-line timing"
  "$build/bench/command-line-timing" "$build/app/chronel"
fi
if [ -x "$build/bench/window-timing" ]; then
  echo "== window timing"
  "$build/bench/window-timing" "$build/tools/chronel-driver" "$build/bench/bare-dialog"
fi
if [ -x "$build/bench/almanac-click-timing" ]; then
  echo "== almanac click timing"
  "$build/bench/almanac-click-timing" 5000
fi
