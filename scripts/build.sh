#!/usr/bin/env bash
# Builds the shipped Setup.exe (32-bit) into build/product, and, where this host's Wine
# cannot run 32-bit programs, the same sources for x86_64 into build/product-x86_64.
# Prints a line "step: ..." saying what it did, and last the folder whose Setup.exe this
# host can run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
jobs=$(nproc)
build_product() {  # folder toolchain [extra cmake args]
  local dir=$1 toolchain=$2; shift 2
  cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" "$@"
  cmake --build "$dir" -j "$jobs"
}
# With SETUP_SIGN_CERT and SETUP_SIGN_KEY the shipped file is signed after the link
# (scripts/sign.sh). A signed file is relinked by the next build, so that a build without
# them is unsigned and the same bytes as ever.
shipped=$root/build/product/Setup.exe
[ -f "$shipped.signed" ] && rm -f "$shipped" "$shipped.signed"
before=$(stat -c %Y "$shipped" 2>/dev/null || echo none)
build_product "$root/build/product" mingw-i686.cmake ${SETUP_PAYLOAD_DIR:+-DSETUP_PAYLOAD_DIR=$SETUP_PAYLOAD_DIR}
if [ -n "${SETUP_SIGN_CERT:-}" ] || [ -n "${SETUP_SIGN_KEY:-}" ]; then
  "$root/scripts/sign.sh" "$shipped" "$shipped"
  touch "$shipped.signed"
fi
runnable=$root/build/product
if [ "$SETUP_TEST_ARCH" != i686 ]; then
  build_product "$root/build/product-x86_64" mingw-x86_64.cmake ${SETUP_PAYLOAD_DIR:+-DSETUP_PAYLOAD_DIR=$SETUP_PAYLOAD_DIR}
  runnable=$root/build/product-x86_64
fi
if [ "$before" = "$(stat -c %Y "$shipped")" ]; then
  echo "step: nothing to do, build/product/Setup.exe is up to date"
else
  echo "step: built build/product/Setup.exe ($(stat -c %s "$shipped") bytes)"
fi
echo "$runnable"
