#!/usr/bin/env bash
# Runs a command that drives the wizard on a virtual display of its own, so that no other
# window covers the wizard, and turns the BMP screenshots the driver takes into PNG files.
# Usage: with-screenshots.sh SHOTS_DIR COMMAND [ARGS...]
set -uo pipefail
shots=$1; shift
mkdir -p "$shots"
raw=$(mktemp -d -t setup-shots.XXXXXX)
export E2E_SHOTS_DIR=$raw
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$@"
rc=$?
for bmp in "$raw"/*.bmp; do
  [ -e "$bmp" ] || continue
  name=$(basename "$bmp" .bmp)
  convert "$bmp" "$shots/$name.png" || rc=1
done
rm -rf "$raw"
exit $rc
