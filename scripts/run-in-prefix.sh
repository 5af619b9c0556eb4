#!/usr/bin/env bash
# Runs one Windows program in a fresh Wine prefix copied from a template, then removes the
# prefix. Usage: run-in-prefix.sh TEMPLATE PROGRAM [ARGS...]
# KEEP_PREFIX=1 keeps the prefix for a look afterwards; its path is printed.
# SMALL_DISK=NAME mounts a 256 KB file system at C:\NAME for the run (root only), where a
# large write comes up short; without the mount the run exits 77 (skipped).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
template=$1; shift
prefix=$(mktemp -d "${TMPDIR:-/tmp}/setup-prefix.XXXXXX")
"$here/wine-prefix.sh" fresh "$template" "$prefix" || exit 1
export WINEPREFIX=$prefix
small=${SMALL_DISK:+$prefix/drive_c/$SMALL_DISK}
if [ -n "$small" ]; then
  mkdir -p "$small"
  if ! mount -t tmpfs -o size=256k tmpfs "$small" 2>/dev/null; then
    echo "cannot mount a small file system here: skipped" >&2
    rm -rf "$prefix"
    exit 77
  fi
fi
"$WINE_LOADER" "$@"
rc=$?
wineserver -k >/dev/null 2>&1
if [ -n "$small" ]; then
  wineserver -w >/dev/null 2>&1
  umount "$small"
fi
if [ "${KEEP_PREFIX:-0}" = 1 ]; then echo "prefix kept: $prefix" >&2; else rm -rf "$prefix"; fi
exit $rc
