#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for FUZZ_SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
command -v clang++ > /dev/null || { echo "fuzzing needs clang (apt-get install clang)"; exit 1; }
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DLUMORA_FUZZ=ON > /dev/null
cmake --build build-fuzz -j "$(nproc)"
declare -A corpus=([make_response]=response [intel_hex]=intel_hex [srecord]=srecord [lmx_loader]=lmx)
for target in make_response intel_hex srecord lmx_loader; do
  work="build-fuzz/corpus/${corpus[$target]}"
  mkdir -p "$work" "build-fuzz/findings/$target"
  echo "== fuzz_$target for ${seconds}s"
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target/" "$work" "fuzz/corpus/${corpus[$target]}"
done
