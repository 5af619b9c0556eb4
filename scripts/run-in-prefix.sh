#!/usr/bin/env bash
# Runs one Windows program in a fresh Wine prefix copied from a template, then removes the
# prefix. Usage: run-in-prefix.sh TEMPLATE PROGRAM [ARGS...]
# KEEP_PREFIX=1 keeps the prefix for a look afterwards; its path is printed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
template=$1; shift
prefix=$(mktemp -d "${TMPDIR:-/tmp}/setup-prefix.XXXXXX")
"$here/wine-prefix.sh" fresh "$template" "$prefix" || exit 1
export WINEPREFIX=$prefix
"$WINE_LOADER" "$@"
rc=$?
wineserver -k >/dev/null 2>&1
if [ "${KEEP_PREFIX:-0}" = 1 ]; then echo "prefix kept: $prefix" >&2; else rm -rf "$prefix"; fi
exit $rc
