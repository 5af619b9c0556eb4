#!/usr/bin/env bash
# Builds Setup.exe with its sample payload (or SETUP_PAYLOAD_DIR) and starts the wizard
# under Wine in a prefix of its own (build/run-prefix), on the current display or, when
# there is none, under a virtual display whose screenshots are saved. One line per step;
# the full output of each step is in build/logs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/steps.sh"
step packages "$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
step build "$root/scripts/build.sh"
product_dir=$(tail -n 1 "$STEP_LOG")
if [ -n "${DISPLAY:-}" ]; then
  # The prefix is kept, so that a second run finds the installation and offers maintenance.
  prefix=${SETUP_PREFIX:-$root/build/run-prefix}
  prepare_prefix() {
    if [ -f "$prefix/.template-ready" ]; then echo "step: nothing to do, $prefix is ready"; return; fi
    "$root/scripts/wine-prefix.sh" template "$prefix"
    echo "step: made $prefix"
  }
  step prefix prepare_prefix
  export WINEPREFIX=$prefix
  cd "$product_dir"
  echo "wizard:   $product_dir/Setup.exe, Wine prefix $prefix"
  "$WINE_LOADER" Setup.exe
else
  step tour "$root/scripts/run-wizard-headless.sh" "$product_dir"
fi
