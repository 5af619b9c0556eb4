#!/usr/bin/env bash
# Measures the install worker against a yardstick, side by side in one Wine prefix:
# a real installation through the wizard (Next on the licence page until the finish page,
# seen by a driver) and a plain program that writes the same payload files from its own
# resources with one write each. Prints both medians and their ratio. Then the start-up cost
# of the integrity check: whole runs of a program that embeds the same resources, with and
# without the check that Setup.exe makes at start, and the check's own time inside it.
# Usage: benchmark-install.sh [RUNS]   (default 9; run after scripts/test.sh has built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$root/scripts/wine-env.sh"
runs=${1:-9}
build=$root/build/wine-tests
product=$(ls -d "$root/build/product-x86_64" 2>/dev/null || echo "$root/build/product")
[ "$SETUP_TEST_ARCH" = i686 ] && product=$root/build/product
cmake --build "$build" -j "$(nproc)" --target bench_plain_writer bench_install_timing bench_startup_check >/dev/null
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
"$root/scripts/wine-prefix.sh" fresh "$build/wine-template" "$WINEPREFIX"
wineserver -p10  # one server for all runs, so no run pays for starting it
export E2E_PRODUCT_DIR=$product E2E_SOURCE_DIR=$root E2E_PAYLOAD_DIR=$product/generated/sample-payload

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
installs=() plains=()
for i in $(seq "$runs"); do
  installs+=("$("$WINE_LOADER" "$build/tests/bench/bench_install_timing.exe" timed_install winxp | awk '/^install_ms/ { print $2 }')")
  plains+=("$("$WINE_LOADER" "$build/tests/bench/bench_plain_writer.exe" | tr -d '\r')")
done
install_median=$(printf '%s\n' "${installs[@]}" | median)
plain_median=$(printf '%s\n' "${plains[@]}" | median)
echo "install worker (ms): ${installs[*]}"
echo "plain writer   (ms): ${plains[*]}"
awk -v a="$install_median" -v b="$plain_median" \
  'BEGIN { printf "median install %.1f ms, median plain %.1f ms, ratio %.2f (aim: at most 1.1)\n", a, b, a / b }'

# Start-up with and without the integrity check, as whole processes (the wineserver is warm).
elapsed_ms() { local from; from=$(date +%s%N); "$@" >/dev/null; echo $((($(date +%s%N) - from) / 1000)) | awk '{ print $1 / 1000 }'; }
checker=$build/tests/bench/bench_startup_check.exe
with=() without=() inside=()
for i in $(seq "$runs"); do
  with+=("$(BENCH_CHECK=1 elapsed_ms "$WINE_LOADER" "$checker")")
  without+=("$(BENCH_CHECK=0 elapsed_ms "$WINE_LOADER" "$checker")")
  inside+=("$(BENCH_CHECK=1 "$WINE_LOADER" "$checker" | awk '/^check_ms/ { print $2 }')")
done
echo "start with check    (ms): ${with[*]}"
echo "start without check (ms): ${without[*]}"
echo "the check itself    (ms): ${inside[*]}"
echo "median start with check $(printf '%s\n' "${with[@]}" | median) ms, without $(printf '%s\n' "${without[@]}" | median) ms;" \
  "median check $(printf '%s\n' "${inside[@]}" | median) ms over $(du -b "$product/Setup.exe" | cut -f1) bytes (aim: under 10 ms)"
