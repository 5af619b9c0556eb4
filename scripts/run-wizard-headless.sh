#!/usr/bin/env bash
# Without a display: starts the wizard under the virtual display, saves a screenshot of
# what it shows, and closes it again. Usage: run-wizard-headless.sh PRODUCT_DIR
set -euo pipefail
cd "$1"
shots=${SETUP_SHOTS:-$1/screenshots}
mkdir -p "$shots"
"$WINE_LOADER" Setup.exe &
pid=$!
sleep 5
xwd -root -silent | convert xwd:- "$shots/wizard.png"
wineserver -k >/dev/null 2>&1 || true
wait $pid 2>/dev/null || true
echo "screenshots: $shots"
