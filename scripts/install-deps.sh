#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when they are present.
# 32-bit Wine is wanted but not required: without it the Wine tests run the x86_64 build.
set -euo pipefail
packages=(cmake make g++ python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth
          x11-apps imagemagick fonts-wqy-microhei locales clang libclang-rt-14-dev osslsigncode openssl)
optional=(wine32:i386)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=() missing_optional=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${optional[@]}"; do installed "$p" || missing_optional+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$@" </dev/null; }
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
# A package index that is being synchronised fails the update but leaves the older lists usable.
$SUDO apt-get update -qq || echo "warning: apt-get update reported errors; using the package lists it has" >&2
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt_install "${missing[@]}"
fi
if [ ${#missing_optional[@]} -gt 0 ]; then
  echo "installing: ${missing_optional[*]}"
  apt_install "${missing_optional[@]}" ||
    echo "warning: ${missing_optional[*]} cannot be installed now; the Wine tests use the x86_64 build" >&2
fi
exit 0
