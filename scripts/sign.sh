#!/usr/bin/env bash
# Signs a Windows program with Authenticode (SHA-256) through osslsigncode, using the
# certificate and key that SETUP_SIGN_CERT and SETUP_SIGN_KEY name (PEM files), and, when
# SETUP_SIGN_TIMESTAMP names one, a time-stamping server (which needs a network).
# Usage: sign.sh IN OUT   (OUT may be IN)
set -euo pipefail
in=$1 out=$2
: "${SETUP_SIGN_CERT:?names the signing certificate}" "${SETUP_SIGN_KEY:?names its private key}"
work=$(mktemp -d "$(dirname "$out")/.signing.XXXXXX")
trap 'rm -rf "$work"' EXIT
signed=$work/$(basename "$out")
osslsigncode sign -certs "$SETUP_SIGN_CERT" -key "$SETUP_SIGN_KEY" -h sha256 \
  ${SETUP_SIGN_TIMESTAMP:+-ts "$SETUP_SIGN_TIMESTAMP"} -in "$in" -out "$signed" >/dev/null
chmod --reference="$in" "$signed"
mv "$signed" "$out"
