#!/usr/bin/env bash
# Checks the shipped Setup.exe as a file: a 32-bit GUI program for subsystem and OS version
# 4.0 that needs no runtime DLL, at most 32 KB of code and data besides its resources,
# rebuilt byte for byte from the same sources and payload, and a payload folder that lacks
# a file stops the configure step naming it.
# Usage: check_shipped_exe.sh SOURCE_DIR SHIPPED_BUILD_DIR
set -uo pipefail
src=$1 shipped=$2
exe=$shipped/Setup.exe
failures=0 checks=0
check() {  # description, command...
  local what=$1; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

headers=$(i686-w64-mingw32-objdump -p "$exe")
field() { awk -v k="$1" '$1 == k { print $2 }' <<<"$headers"; }
check "PE32 image for i386" grep -q 'file format pei-i386' <<<"$headers"
check "GUI subsystem" test "$(field Subsystem)" = 00000002
check "subsystem version 4.0" test "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 4.0
check "OS version 4.0" test "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" = 4.0
dlls=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers" | sort -u | tr '\n' ' ')
allowed=" advapi32.dll comctl32.dll gdi32.dll imm32.dll kernel32.dll ole32.dll shell32.dll user32.dll "
extra=""
for d in $dlls; do [[ $allowed == *" $d "* ]] || extra+="$d "; done
check "imports only system DLLs (extra: ${extra:-none})" test -z "$extra"
# The size that the program itself costs: the file without the .rsrc section's raw bytes
# (templates, artwork, licence texts and payload).
outside=$(python3 "$src/tests/build/pe_facts.py" "$exe" | awk '$1 == "outside-resources" { print $2 }')
check "$outside bytes outside the resources (at most 32768)" test "${outside:-99999999}" -le 32768
for lng in 0804.lng 0404.lng 0409.lng; do check "$lng beside Setup.exe" test -s "$shipped/$lng"; done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same payload, given as a payload folder, in another build folder: identical bytes.
cp -r "$shipped/generated/sample-payload" "$work/payload"
cmake -S "$src" -B "$work/again" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
  -DSETUP_PAYLOAD_DIR="$work/payload" >/dev/null && cmake --build "$work/again" -j 2 >/dev/null
check "rebuild from a payload folder is byte-identical" cmp -s "$exe" "$work/again/Setup.exe"

rm "$work/payload/PhrCht.dat"
out=$(cmake -S "$src" -B "$work/missing" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
  -DSETUP_PAYLOAD_DIR="$work/payload" 2>&1)
status=$?
check "a payload folder without PhrCht.dat stops the configure step" test $status -ne 0
check "the message names the missing file" grep -q 'PhrCht.dat' <<<"$out"

echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
