#!/usr/bin/env bash
# Builds the libFuzzer targets of the bounded-buffer rules (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded number of inputs; any crash fails.
# Usage: fuzz.sh [RUNS]   (inputs per target, default 300000; each target stops after 15 s)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-300000}
build=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DSETUP_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
mkdir -p "$build/crashes"
for target in LangText HexText PathText Memory; do
  log=$build/fuzz_$target.log
  if ! "$build/tests/fuzz/fuzz_$target" -runs="$runs" -max_len=1200 -max_total_time=15 \
      -artifact_prefix="$build/crashes/$target-" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz_$target crashed; the input is in $build/crashes/"
    exit 1
  fi
  echo "fuzz_$target: $(grep -o 'Seed: [0-9]*' "$log"), $(grep '^Done' "$log")"
done
