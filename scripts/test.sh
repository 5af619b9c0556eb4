#!/usr/bin/env bash
# Builds everything and runs every test: the pure rules natively under the sanitizers, a
# bounded fuzzing run of the text and path rules, then the Wine tests (in-process and end
# to end) under a virtual X display. One line per step; the full output of each step is in
# build/logs/. The Wine tests end with CTest's own closing lines and the output of any
# test that failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/steps.sh"
step packages "$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
jobs=$(nproc)

# The suite checks the unsigned build; the signing is checked on signed copies.
unset SETUP_SIGN_CERT SETUP_SIGN_KEY SETUP_SIGN_TIMESTAMP
step build "$root/scripts/build.sh"
product_dir=$(tail -n 1 "$STEP_LOG")

# CTest's summary line, e.g. "100% tests passed, 0 tests failed out of 5".
ctest_summary() { echo "step: $(grep -E '^[0-9]+% tests passed' "$1" | tail -n 1)"; }

unit_tests() {
  cmake -S "$root" -B "$root/build/unit"
  cmake --build "$root/build/unit" -j "$jobs"
  ctest --test-dir "$root/build/unit" --output-on-failure -j "$jobs"
  ctest_summary "$STEP_LOG"
}
step unit unit_tests

fuzz() {
  "$root/scripts/fuzz.sh"
  echo "step: $(grep -c '^fuzz_.*Done' "$STEP_LOG") targets fuzzed, no crash"
}
step fuzz fuzz

build_wine_tests() {
  configure_wine_tests "$product_dir"
  cmake --build "$root/build/wine-tests" -j "$jobs"
  echo "step: built for $SETUP_TEST_ARCH"
}
step wine-build build_wine_tests

# The Wine tests: their step line, then what CTest says of failed tests and its closing lines.
log=$STEP_LOGS/wine-tests.log
start=$SECONDS
printf '%-11s ' "tests:"
rc=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$root/build/wine-tests" --output-on-failure -j "$jobs" ${CTEST_ARGS:-} >"$log" 2>&1 </dev/null || rc=$?
echo "$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1 || echo "CTest gave no summary") ($((SECONDS - start)) s, log: $log)"
# Passed tests and start lines are in the log only.
grep -vE '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed +[0-9.]+ sec$|^Test project |^Internal ctest changing' "$log" || true
exit $rc
