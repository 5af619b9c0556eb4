#!/usr/bin/env bash
# Builds everything and runs every test: the pure rules natively under the sanitizers, a
# bounded fuzzing run of the text and path rules, then the Wine tests (in-process and end
# to end) under a virtual X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
jobs=$(nproc)

# The suite checks the unsigned build; the signing is checked on signed copies.
unset SETUP_SIGN_CERT SETUP_SIGN_KEY SETUP_SIGN_TIMESTAMP
echo "== building the product"
product_dir=$("$root/scripts/build.sh" | tail -n 1)

echo "== pure rules, native, AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build/unit" >/dev/null
cmake --build "$root/build/unit" -j "$jobs" >/dev/null
ctest --test-dir "$root/build/unit" --output-on-failure -j "$jobs"

echo "== bounded-buffer rules, fuzzed natively (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)"
"$root/scripts/fuzz.sh"

echo "== Wine tests ($SETUP_TEST_ARCH)"
cmake -S "$root" -B "$root/build/wine-tests" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$SETUP_TEST_ARCH.cmake" \
  -DSETUP_THREAD_MODEL=posix -DSETUP_BUILD_TESTS=ON -DSETUP_PRODUCT_DIR="$product_dir" \
  -DSETUP_SHIPPED_DIR="$root/build/product" >/dev/null
cmake --build "$root/build/wine-tests" -j "$jobs" >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$root/build/wine-tests" --output-on-failure -j "$jobs" ${CTEST_ARGS:-}
