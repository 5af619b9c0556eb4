#!/usr/bin/env bash
# For the people who translate Setup.exe: shows every screen in the language of each
# language file, with that file beside the program, and checks that every text fits.
# Usage: check-lng.sh [FILE.lng ...]   (default: the three files under res/lang)
# A file is named after its language, 0804.lng, 0404.lng or 0409.lng, and is UTF-8 (as under
# res/lang) or already in the language's code page (as shipped).
# Writes build/gallery/<file name>/NN-<screen>.png (the pages also at 120 DPI, in 120dpi/)
# and build/gallery/index.html. Prints one
# line per text that is bigger than its control: "SECTION/KEY PAGE page, control ID: N px too
# wide|tall at DPI". Exits 1 when a text does not fit at 96 DPI; at 120 DPI such lines are
# warnings, since the pages are laid out in pixels.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
source "$root/scripts/steps.sh"
start=$SECONDS
files=("$@")
[ ${#files[@]} -gt 0 ] || files=("$root"/res/lang/0804.lng "$root"/res/lang/0404.lng "$root"/res/lang/0409.lng)
for file in "${files[@]}"; do
  [ -f "$file" ] || { echo "$file: no such file" >&2; exit 2; }
  case $(basename "$file") in
    0804.lng | 0404.lng | 0409.lng) ;;
    *) echo "$file: the name tells the language: 0804.lng, 0404.lng or 0409.lng" >&2; exit 2 ;;
  esac
done

build=$root/build/wine-tests
build_tools() {
  local product
  product=$("$root/scripts/build.sh" | tail -n 1)
  configure_wine_tests "$product"
  cmake --build "$build" -j "$(nproc)" --target e2e_driver
  [ -f "$root/build/tour-template/.template-ready" ] || "$root/scripts/wine-prefix.sh" template "$root/build/tour-template"
  echo "step: Setup.exe ($SETUP_TEST_ARCH) and the driver are ready"
  echo "$product"
}
step packages "$root/scripts/install-deps.sh"
step build build_tools
product=$(tail -n 1 "$STEP_LOG")
driver=$build/tests/e2e/e2e_driver.exe
gallery=$root/build/gallery
work=$(mktemp -d -t check-lng.XXXXXX)
trap 'rm -rf "$work"' EXIT
rm -rf "$gallery"
mkdir -p "$gallery"
export LOCPATH=$build/locales E2E_SOURCE_DIR=$root

# run_driver PREFIX_NAME LOCALE SHOTS|- ARGS...: the driver in a fresh prefix of its own.
run_driver() {
  local prefix=$work/$1 locale=$2 shots=$3
  shift 3
  "$root/scripts/wine-prefix.sh" fresh "$root/build/tour-template" "$prefix"
  local run=(bash -c '"$@"; rc=$?; wineserver -k >/dev/null 2>&1; exit $rc' driver "$WINE_LOADER" "$driver" gallery "$@")
  local rc=0
  if [ "$shots" = - ]; then
    WINEPREFIX=$prefix LC_ALL=$locale.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}" || rc=$?
  else
    WINEPREFIX=$prefix LC_ALL=$locale.UTF-8 "$root/tests/e2e/with-screenshots.sh" "$shots" "${run[@]}" || rc=$?
  fi
  rm -rf "$prefix"
  return $rc
}

overflow='^[A-Z_]+/[^ ]+ '
failed=0
for file in "${files[@]}"; do
  name=$(basename "$file")
  case $name in
    0804.lng) locale=zh_CN codepage=936 ;;
    0404.lng) locale=zh_TW codepage=950 ;;
    *) locale=en_US codepage=ascii ;;
  esac
  stage=$work/$name
  mkdir -p "$stage/damaged"
  # The driver reads the texts as UTF-8; Setup.exe reads them in the language's code page.
  python3 - "$file" "$stage/source.lng" "$codepage" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
try:
    text = data.decode("utf-8")
except UnicodeDecodeError:
    text = data.decode({"936": "gbk", "950": "cp950"}.get(sys.argv[3], "ascii"))
open(sys.argv[2], "w", encoding="utf-8").write(text.lstrip("\ufeff"))
PY
  python3 "$root/scripts/encode_text.py" "$stage/source.lng" "$stage/$name" "$codepage"
  cp "$product/Setup.exe" "$stage/"
  cp "$stage/$name" "$stage/damaged/"
  cp "$product/Setup.exe" "$stage/damaged/Setup.exe"
  python3 "$root/tests/build/pe_facts.py" --flip 212 "$stage/damaged/Setup.exe"
  export E2E_PRODUCT_DIR=$stage E2E_LNG_FILE=$stage/source.lng E2E_DAMAGED_DIR=$stage/damaged
  mkdir -p "$gallery/$name"
  # Both resolutions at once, each in its own prefix and display.
  run_driver "120-$name" "$locale" "$gallery/$name/120dpi" pages dpi=120 >"$stage/120.log" 2>&1 &
  waiting=$!
  rc96=0 rc120=0
  run_driver "96-$name" "$locale" "$gallery/$name" dpi=96 >"$stage/96.log" 2>&1 || rc96=$?
  wait $waiting || rc120=$?
  cp "$stage/96.log" "$STEP_LOGS/gallery-$name-96.log"
  cp "$stage/120.log" "$STEP_LOGS/gallery-$name-120.log"
  for png in "$gallery/$name/$locale"-*.png "$gallery/$name/120dpi/$locale"-*.png; do
    [ -e "$png" ] && mv "$png" "$(dirname "$png")/$(basename "$png" | sed "s/^$locale-//")"
  done
  sed -n 's/^screen //p' "$stage/96.log" >"$gallery/$name/screens.txt"
  count96=$(grep -cE "$overflow" "$stage/96.log" || true)
  count120=$(grep -cE "$overflow" "$stage/120.log" || true)
  echo "$name ($locale): $(wc -l <"$gallery/$name/screens.txt") screens; 96 DPI: $count96 overflow(s); 120 DPI: $count120 warning(s)"
  grep -E "$overflow" "$stage/96.log" "$stage/120.log" -h || true
  for dpi in 96 120; do
    rc_var=rc$dpi count_var=count$dpi
    if [ "${!rc_var}" -ne 0 ] && { [ "$dpi" = 120 ] || [ "${!count_var}" -eq 0 ]; }; then
      echo "$name: the run at $dpi DPI failed; last lines of $STEP_LOGS/gallery-$name-$dpi.log:"
      tail -n 30 "$stage/$dpi.log"
      failed=1
    fi
  done
  [ "$count96" -eq 0 ] || failed=1
done

python3 - "$gallery" "${files[@]}" <<'PY'
import html, os, sys
gallery, files = sys.argv[1], [os.path.basename(f) for f in sys.argv[2:]]
screens, keys = [], {}
for name in files:
    for line in open(os.path.join(gallery, name, "screens.txt"), encoding="utf-8"):
        screen, _, listed = line.strip().partition(": ")
        screen = screen.rstrip(":")
        if screen not in screens:
            screens.append(screen)
        keys[(screen, name)] = listed.split()
screens.sort()
out = ["<!DOCTYPE html>", '<html><head><meta charset="utf-8"><title>Setup.exe in every language</title>',
       "<style>body{font-family:sans-serif}td{vertical-align:top;padding:6px}th{text-align:left}"
       "img{max-width:500px;border:1px solid #ccc}figcaption{font-family:monospace;font-size:90%}</style>",
       "</head><body><h1>Every screen of Setup.exe, by language file</h1>",
       "<p>Under each picture: the SECTION/KEY of the language file's texts that it shows, and the page at 120 DPI.</p>",
       "<table><tr><th>screen</th>" + "".join(f"<th>{html.escape(n)}</th>" for n in files) + "</tr>"]
for screen in screens:
    row = [f"<tr><th>{html.escape(screen)}</th>"]
    for name in files:
        if (screen, name) in keys:
            picture = f"{name}/{screen}.png"
            larger = f"{name}/120dpi/{screen}.png"
            also = f' <a href="{html.escape(larger)}">120 DPI</a>' if os.path.exists(os.path.join(gallery, larger)) else ""
            row.append(f'<td><figure><a href="{html.escape(picture)}"><img src="{html.escape(picture)}" alt="{html.escape(screen)}"></a>'
                       f"<figcaption>{html.escape(' '.join(keys[(screen, name)]))}{also}</figcaption></figure></td>")
        else:
            row.append("<td>(not shown)</td>")
    out.append("".join(row) + "</tr>")
out.append("</table></body></html>")
open(os.path.join(gallery, "index.html"), "w", encoding="utf-8").write("\n".join(out) + "\n")
PY
echo "gallery: $gallery/index.html ($((SECONDS - start)) s)"
exit $failed
