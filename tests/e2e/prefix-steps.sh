#!/usr/bin/env bash
# Runs the end-to-end driver several times in one fresh Wine prefix, with steps between the
# runs that only the Unix side can take: a small disk, and pictures of the prefix to compare.
# Usage: prefix-steps.sh TEMPLATE DRIVER STEP...
#   mount:WHERE:SIZE   a tmpfs of SIZE over WHERE: "ime" is the maker's folder below the system
#                      directory's IME folder; "system" the whole system directory, whose files
#                      then lie on it as links, so that only what Setup.exe writes takes room
#   grow:WHERE:SIZE    the same disk, made bigger; what it holds stays
#   snapshot:NAME      the prefix's registry (without Wine's timestamps) and file tree, with
#                      the files' sizes
#   same:A:B[:ALLOWED] snapshots A and B must not differ but in lines that match one of the
#                      extended regular expressions in the file ALLOWED (one a line, "#" comments)
#                      or in wine.allowed beside this script (what Wine itself changes)
#   product:DIR        later runs start the Setup.exe (and language files) in DIR
#   damage:NUMBER      later runs start a copy of that product folder in which one byte of
#                      raw-data resource NUMBER is flipped
#   anything else      one run of the driver: the scenario and its words, joined by commas
# Exits 77 (skipped) when a tmpfs cannot be mounted here. Every mount goes when the script
# ends; each is also listed in $E2E_MOUNT_LEDGER, for "prefix-steps.sh cleanup" to take away
# what a killed run left.
set -uo pipefail
ledger=${E2E_MOUNT_LEDGER:-/dev/null}
if [ "${1:-}" = cleanup ]; then
  [ -f "$ledger" ] || exit 0
  while read -r dir; do
    if mountpoint -q "$dir"; then umount "$dir" 2>/dev/null || umount -l "$dir"; fi
  done <"$ledger"
  rm -f "$ledger"
  exit 0
fi
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
source "$here/wine-env.sh"
template=$1 driver=$2; shift 2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/setup-prefix.XXXXXX")
pictures=$(mktemp -d "${TMPDIR:-/tmp}/setup-pictures.XXXXXX")
mounts=()
export WINEPREFIX=$prefix

cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}"
  done
  rm -rf "$prefix" "$pictures"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

"$here/wine-prefix.sh" fresh "$template" "$prefix" || exit 1
windows=$prefix/drive_c/windows
system=$windows/system32
[ "$SETUP_TEST_ARCH" = i686 ] && [ -d "$windows/syswow64" ] && system=$windows/syswow64

mount_point() {
  case $1 in
    ime) echo "$system/IME/Quorvel" ;;
    system) echo "$system" ;;
    *) echo "unknown disk $1" >&2; return 1 ;;
  esac
}

small_disk() {  # WHERE SIZE
  local dir files=""
  dir=$(mount_point "$1") || return 1
  if [ "$1" = system ]; then
    files=$windows/.system-files
    mv "$dir" "$files"
  fi
  mkdir -p "$dir"
  if ! mount -t tmpfs -o "size=$2" tmpfs "$dir" 2>/dev/null; then
    echo "no tmpfs here (not root, or refused): skipped"
    exit 77
  fi
  mounts+=("$dir")
  echo "$dir" >>"$ledger"
  [ -z "$files" ] || cp -as "$files/." "$dir/"
  echo "-- $1 disk of $2 at ${dir#$prefix/}"
}

snapshot() {  # NAME
  local out=$pictures/$1 hive
  : >"$out"
  for hive in system.reg user.reg userdef.reg; do
    # Key lines carry the time of their last change, and #time lines repeat it.
    awk -v hive="$hive" '
      /^#time=/ || /^WINE REGISTRY/ || /^;;/ || /^#arch=/ || /^$/ { next }
      /^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); print hive " " key; next }
      { print hive " " key " " $0 }' "$prefix/$hive" >>"$out"
  done
  (cd "$prefix" && find drive_c -path drive_c/windows/.system-files -prune -o -type f -printf 'file f %p %s\n' -o -printf 'file %y %p\n' | sort) >>"$out"
}

compare() {  # A B [ALLOWED]
  local a=$pictures/$1 b=$pictures/$2 allowed=${3:-/dev/null} changes bad
  changes=$(diff <(sort "$a") <(sort "$b") | grep '^[<>]')
  bad=$(printf '%s\n' "$changes" |
    grep -v -E -f <(grep -h -v -e '^#' -e '^$' "$allowed" "$(dirname "$0")/wine.allowed") | grep .)
  echo "-- $1 against $2: $(printf '%s\n' "$changes" | grep -c .) line(s) differ, $(printf '%s\n' "$bad" | grep -c .) unexpected"
  printf '%s\n' "$changes" | grep . | sed 's/^/   /'
  [ -z "$bad" ] && return 0
  printf '%s\n' "$bad" | sed 's/^/   unexpected: /'
  return 1
}

rc=0
for step in "$@"; do
  IFS=: read -r kind first second third <<<"$step"
  case $kind in
    mount) small_disk "$first" "$second" || rc=1 ;;
    grow)
      mount -o "remount,size=$second" "$(mount_point "$first")" || rc=1
      echo "-- $first disk grown to $second" ;;
    snapshot) snapshot "$first" ;;
    product) export E2E_PRODUCT_DIR=$first ;;
    damage)
      copy=$pictures/damaged-$first
      mkdir -p "$copy" && cp "$E2E_PRODUCT_DIR"/Setup.exe "$E2E_PRODUCT_DIR"/*.lng "$copy/" &&
        python3 "$here/../tests/build/pe_facts.py" --flip "$first" "$copy/Setup.exe" || rc=1
      export E2E_PRODUCT_DIR=$copy
      echo "-- Setup.exe with one byte of resource $first flipped" ;;
    same) compare "$first" "$second" "$third" || rc=1 ;;
    *)
      IFS=, read -r -a words <<<"$step"
      echo "-- driver ${words[*]}"
      "$WINE_LOADER" "$driver" "${words[@]}" || rc=1
      wineserver -w  # the registry is on disk, and no file is in use, once Wine has ended
      ;;
  esac
done
exit $rc
