#!/usr/bin/env bash
# Checks the shipped Setup.exe as a file: a 32-bit GUI program for subsystem and OS version
# 4.0, at most 24 KB of code and data besides its resources, with version information and a
# manifest, an integrity table of every raw-data resource, rebuilt byte for byte from the same
# sources and payload (the sample's IME modules too), and a payload folder that lacks a file
# stops the configure step naming it.
# Usage: check_shipped_exe.sh SOURCE_DIR SHIPPED_BUILD_DIR
set -uo pipefail
src=$1 shipped=$2
exe=$shipped/Setup.exe
source "$src/tests/build/checks.sh"

headers=$(i686-w64-mingw32-objdump -p "$exe")
field() { awk -v k="$1" '$1 == k { print $2 }' <<<"$headers"; }
check "PE32 image for i386" grep -q 'file format pei-i386' <<<"$headers"
check "GUI subsystem" test "$(field Subsystem)" = 00000002
check "subsystem version 4.0" test "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 4.0
check "OS version 4.0" test "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" = 4.0
# Which DLLs it imports is checked against tests/build/win95-imports.txt (check_win95_imports.sh).
# The size that the program itself costs: the file without the .rsrc section's raw bytes
# (templates, artwork, licence texts and payload).
outside=$(python3 "$src/tests/build/pe_facts.py" "$exe" | awk '$1 == "outside-resources" { print $2 }')
check "$outside bytes outside the resources (at most 24576)" test "${outside:-99999999}" -le 24576
for lng in 0804.lng 0404.lng 0409.lng; do check "$lng beside Setup.exe" test -s "$shipped/$lng"; done
# Resource types are the directory's first level, indented by three blanks.
resource_types=$(awk '/^[0-9a-f]+   Entry: ID:/ { sub(",", "", $4); print $4 }' <<<"$headers")
check "version information (type 16) in the resources" grep -qx '0x000010' <<<"$resource_types"
check "a manifest (type 24) in the resources" grep -qx '0x000018' <<<"$resource_types"

# The sample's IME modules: 32-bit DLLs that Windows 95 accepts, built byte for byte alike.
sample=$shipped/generated/sample-payload
for module in ZkV4Ivi-9x.ime ZkV4Ivi-nt5.ime; do
  module_headers=$(i686-w64-mingw32-objdump -p "$sample/$module")
  check "$module is a PE32 i386 DLL" grep -q 'file format pei-i386' <<<"$module_headers"
  check "$module subsystem version 4.0" \
    test "$(awk '$1 == "MajorSubsystemVersion" { print $2 }' <<<"$module_headers")" = 4
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The integrity table (resource 190) is the one the build's generator makes of the file's
# other raw-data resources: none is left out, and sizes and CRC-32 are right.
table_of_every_resource() {
  local pairs=() number at size
  while read -r _ number at size; do
    tail -c +$((at + 1)) "$exe" | head -c "$size" >"$work/rcdata-$number"
    [ "$number" = 190 ] || pairs+=("$number=$work/rcdata-$number")
  done < <(python3 "$src/tests/build/pe_facts.py" "$exe" | grep '^rcdata ')
  python3 "$src/scripts/gen_integrity_table.py" "$work/table" "${pairs[@]}" && cmp -s "$work/table" "$work/rcdata-190"
}
check "the integrity table lists every raw-data resource, with its size and CRC-32" table_of_every_resource
# The same payload, given as a payload folder, in another build folder: identical bytes.
cp -r "$shipped/generated/sample-payload" "$work/payload"
cmake -S "$src" -B "$work/again" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
  -DSETUP_PAYLOAD_DIR="$work/payload" >/dev/null && cmake --build "$work/again" -j 2 >/dev/null
check "rebuild from a payload folder is byte-identical" cmp -s "$exe" "$work/again/Setup.exe"

# The sample payload built in another folder: the same IME modules, no build path inside.
cmake -S "$src" -B "$work/sample" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" >/dev/null &&
  cmake --build "$work/sample" -j 2 --target generated_resources >/dev/null
for module in ZkV4Ivi-9x.ime ZkV4Ivi-nt5.ime; do
  check "$module rebuilt in another folder is byte-identical" \
    cmp -s "$sample/$module" "$work/sample/generated/sample-payload/$module"
done

rm "$work/payload/PhrCht.dat"
out=$(cmake -S "$src" -B "$work/missing" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
  -DSETUP_PAYLOAD_DIR="$work/payload" 2>&1)
status=$?
check "a payload folder without PhrCht.dat stops the configure step" test $status -ne 0
check "the message names the missing file" grep -q 'PhrCht.dat' <<<"$out"

finish
