#!/usr/bin/env bash
# Checks that the product's folders only include from their own floor or below:
# runtime, base, lang, registry, system, engine, ui, app (ground floor first).
# Usage: check_layers.sh SOURCE_DIR
set -uo pipefail
cd "$1"
floors=(runtime base lang registry system engine ui app)
declare -A floor
for i in "${!floors[@]}"; do floor[${floors[$i]}]=$i; done
upward=0
while IFS=: read -r file _ line; do
  from=${file%%/*}
  to=$(sed -nE 's/^#include "([a-z]+)\/.*/\1/p' <<<"$line")
  [ -n "${floor[$to]:-}" ] || continue  # res/ and system headers
  if [ "${floor[$to]}" -gt "${floor[$from]}" ]; then
    echo "FAIL $file includes upward: $line"
    upward=$((upward + 1))
  fi
done < <(grep -rn '^#include "' --include=*.cpp --include=*.h "${floors[@]}")
echo "$((upward == 0 ? 1 : 0)) passed, $((upward == 0 ? 0 : 1)) failed"
[ $upward -eq 0 ]
