#!/usr/bin/env bash
# Checks PE files that must run on Windows 95: subsystem version 4.0, every import listed in
# the allowlist (DLL!function lines, "#" starts the reason), and from a DLL that its "DLL name"
# lines allow. Prints what is not.
# Usage: check_win95_imports.sh ALLOWLIST PE_FILE...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
allowlist=$1; shift
[ $# -gt 0 ] || { echo "no PE file given"; exit 2; }
# "DLL!function" with the DLL in upper case, as pe_facts.py prints it.
allowed=$(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$allowlist" | awk -F'!' 'NF == 2 { print toupper($1) "!" $2 }' | sort -u)
allowed_dlls=$(sed -e 's/#.*//' "$allowlist" | awk '$1 == "DLL" { print toupper($2) }' | sort -u)
failures=0 checks=0
for file in "$@"; do
  checks=$((checks + 1))
  if ! facts=$(python3 "$here/pe_facts.py" "$file"); then
    echo "FAIL $file cannot be read"; failures=$((failures + 1)); continue
  fi
  bad=0
  version=$(awk '$1 == "subsystem-version" { print $2 }' <<<"$facts")
  [ "$version" = 4.0 ] || { echo "FAIL $file: subsystem version $version, not 4.0"; bad=1; }
  extra=$(awk '$1 == "import" { print $2 }' <<<"$facts" | sort -u | comm -23 - <(echo "$allowed"))
  for import in $extra; do echo "FAIL $file imports $import, which is not in $(basename "$allowlist")"; bad=1; done
  dlls=$(awk '$1 == "import" { split($2, part, "!"); print part[1] }' <<<"$facts" | sort -u | comm -23 - <(echo "$allowed_dlls"))
  for dll in $dlls; do echo "FAIL $file imports from $dll, which a program's folder can stand in for"; bad=1; done
  count=$(grep -c '^import ' <<<"$facts")
  if [ $bad -eq 0 ]; then echo "ok   $file: subsystem 4.0, $count imports, all allowed"; else failures=$((failures + 1)); fi
done
echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
