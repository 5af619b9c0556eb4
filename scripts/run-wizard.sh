#!/usr/bin/env bash
# Builds Setup.exe with its sample payload (or SETUP_PAYLOAD_DIR) and starts the wizard
# under Wine in a prefix of its own (build/run-prefix), on the current display or, when
# there is none, under a virtual display whose screenshots are saved.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
product_dir=$("$root/scripts/build.sh" | tail -n 1)
if [ -n "${DISPLAY:-}" ]; then
  # The prefix is kept, so that a second run finds the installation and offers maintenance.
  prefix=${SETUP_PREFIX:-$root/build/run-prefix}
  [ -f "$prefix/.template-ready" ] || "$root/scripts/wine-prefix.sh" template "$prefix"
  export WINEPREFIX=$prefix
  cd "$product_dir"
  echo "Setup.exe: $product_dir/Setup.exe, Wine prefix: $prefix"
  "$WINE_LOADER" Setup.exe
else
  exec "$root/scripts/run-wizard-headless.sh" "$product_dir"
fi
