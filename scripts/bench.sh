#!/usr/bin/env bash
# Runs every benchmark of a Release build: scripts/bench.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
cd "$(dirname "$0")/.."
for bench in "$build"/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_min_time=0.5
done
