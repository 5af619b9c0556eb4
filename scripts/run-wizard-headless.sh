#!/usr/bin/env bash
# Without a display: the end-to-end driver runs a whole installation through the wizard in
# each language, clicking as a user would (welcome, licence, accept, install, finish,
# Close), on a virtual display, saves a screenshot of every page, and asks the
# input-method manager whether it loads the installed IME module.
# Usage: run-wizard-headless.sh PRODUCT_DIR (WINE_LOADER comes from run-wizard.sh;
# SETUP_SHOTS picks the screenshot folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
product=$(cd "$1" && pwd)
source "$root/scripts/wine-env.sh"
build=$root/build/wine-tests
shots=${SETUP_SHOTS:-$root/build/screenshots}

configure_wine_tests "$product"
cmake --build "$build" -j "$(nproc)" --target e2e_driver

template=$root/build/tour-template
[ -f "$template/.template-ready" ] || "$root/scripts/wine-prefix.sh" template "$template"
export E2E_PRODUCT_DIR=$product E2E_SOURCE_DIR=$root LOCPATH=$build/locales
export E2E_PAYLOAD_DIR=${SETUP_PAYLOAD_DIR:-$product/generated/sample-payload}
rc=0
# The Windows 2000 and later module under two releases, the Windows 9x module under one.
for run in zh_CN:winxp zh_TW:win98 en_US:win2003; do
  language=${run%%:*} release=${run#*:}
  # A fresh prefix each time, so that the tour always meets a machine without the product.
  prefix=$(mktemp -d -t setup-tour.XXXXXX)
  "$root/scripts/wine-prefix.sh" fresh "$template" "$prefix"
  # The prefix's Wine ends before its virtual display does.
  WINEPREFIX=$prefix LC_ALL=$language.UTF-8 "$root/tests/e2e/with-screenshots.sh" "$shots" \
    bash -c '"$@"; rc=$?; wineserver -k >/dev/null 2>&1; exit $rc' tour \
    "$WINE_LOADER" "$build/tests/e2e/e2e_driver.exe" tour "$release" || rc=1
  rm -rf "$prefix"
done
if [ $rc -eq 0 ]; then
  echo "step: installed in 3 languages; screenshots of every page in $shots"
else
  echo "screenshots: $shots"
fi
exit $rc
