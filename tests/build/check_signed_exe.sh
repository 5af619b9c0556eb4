#!/usr/bin/env bash
# Signs copies of Setup.exe as a signed release is built (scripts/sign.sh, which build.sh
# runs), with a code-signing certificate of a throwaway CA, and checks them: the signature
# verifies against that CA; the shipped file keeps its imports and its size outside the
# resources; one flipped payload byte breaks the signature. Leaves in OUT/product the signed
# Setup.exe that this host's Wine runs, with its language files, for the end-to-end runs.
# Usage: check_signed_exe.sh SOURCE_DIR SHIPPED_DIR PRODUCT_DIR OUT
set -uo pipefail
src=$1 shipped=$2 product=$3 out=$4
source "$src/tests/build/checks.sh"
facts() { python3 "$src/tests/build/pe_facts.py" "$1"; }
rm -rf "$out" && mkdir -p "$out/ca" "$out/shipped" "$out/product" "$out/damaged"
ca=$out/ca
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway Test CA" -keyout "$ca/ca.key" \
  -out "$ca/ca.pem" -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway Code Signing" -keyout "$ca/key.pem" -out "$ca/sign.csr" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$ca/ext"
openssl x509 -req -days 2 -in "$ca/sign.csr" -CA "$ca/ca.pem" -CAkey "$ca/ca.key" -CAcreateserial \
  -extfile "$ca/ext" -out "$ca/cert.pem" 2>/dev/null
export SETUP_SIGN_CERT=$ca/cert.pem SETUP_SIGN_KEY=$ca/key.pem
unset SETUP_SIGN_TIMESTAMP
verifies() { osslsigncode verify -CAfile "$ca/ca.pem" -in "$1" >/dev/null 2>&1; }
fails_to_verify() { ! verifies "$1"; }

cp "$product"/*.lng "$out/product/"
for copy in shipped product; do
  [ $copy = shipped ] && from=$shipped/Setup.exe || from=$product/Setup.exe
  signed=$out/$copy/Setup.exe damaged=$out/damaged/$copy.exe
  check "$copy Setup.exe signed" "$src/scripts/sign.sh" "$from" "$signed"
  check "$copy Setup.exe: the signature verifies against the CA" verifies "$signed"
  cp "$signed" "$damaged" && python3 "$src/tests/build/pe_facts.py" --flip 213 "$damaged"
  check "$copy Setup.exe with one flipped payload byte: the signature fails" fails_to_verify "$damaged"
done
signed=$out/shipped/Setup.exe
check "signed shipped Setup.exe: imports allowed for Windows 95" \
  "$src/tests/build/check_win95_imports.sh" "$src/tests/build/win95-imports.txt" "$signed"
check "signed shipped Setup.exe: the same imports and size outside the resources as unsigned" \
  test "$(facts "$signed")" = "$(facts "$shipped/Setup.exe")"
finish
