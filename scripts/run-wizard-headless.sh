#!/usr/bin/env bash
# Without a display: runs a whole installation through the wizard under a virtual display,
# clicking as a user would (welcome, licence, accept, install, finish, Close), and saves a
# screenshot of every page. Usage: run-wizard-headless.sh PRODUCT_DIR
# WINE_LOADER and WINEPREFIX come from run-wizard.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
product=$1
build=$root/build/wine-tests
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$SETUP_TEST_ARCH.cmake" \
  -DSETUP_THREAD_MODEL=posix -DSETUP_BUILD_TESTS=ON -DSETUP_PRODUCT_DIR="$product" \
  -DSETUP_SHIPPED_DIR="$root/build/product" >/dev/null
cmake --build "$build" -j "$(nproc)" --target e2e_driver >/dev/null
# A fresh prefix each time, so that the tour always meets a machine without the product.
export WINEPREFIX=$root/build/tour-prefix
"$root/scripts/wine-prefix.sh" fresh "$root/build/tour-template" "$WINEPREFIX"
shots=${SETUP_SHOTS:-$root/build/screenshots}
export E2E_PRODUCT_DIR=$product E2E_SOURCE_DIR=$root E2E_PAYLOAD_DIR=$product/generated/sample-payload
"$root/tests/e2e/with-screenshots.sh" "$shots" "$WINE_LOADER" "$build/tests/e2e/e2e_driver.exe" tour winxp
echo "screenshots: $shots"
