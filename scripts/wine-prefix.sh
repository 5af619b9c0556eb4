#!/usr/bin/env bash
# Wine prefixes for running the program and its tests.
#   wine-prefix.sh template DIR           build a ready prefix (about 10 s)
#   wine-prefix.sh fresh TEMPLATE DIR     copy the template into DIR (about 2 s)
# Every prefix keeps the host's desktop alone (no menu entries, no file associations) and
# lets windows appear without a window manager's delay.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

make_template() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  WINEPREFIX=$dir "$WINE_LOADER" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$dir "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX=$dir wineserver -w
  touch "$dir/.template-ready"
}

case "${1:-}" in
  template) make_template "$2" ;;
  fresh)
    [ -f "$2/.template-ready" ] || make_template "$2"
    rm -rf "$3"
    cp -a "$2" "$3"
    ;;
  *) echo "usage: $0 template DIR | fresh TEMPLATE DIR" >&2; exit 2 ;;
esac
