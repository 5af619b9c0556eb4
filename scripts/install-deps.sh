#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when they are present.
# 32-bit Wine is wanted but not required: without it the Wine tests run the x86_64 build.
# Its last line, "step: ...", says in one line what it did (scripts/steps.sh shows it).
set -euo pipefail
packages=(cmake make g++ python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth
          x11-apps imagemagick fonts-wqy-microhei locales clang libclang-rt-14-dev osslsigncode openssl)
optional=(wine32:i386)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=() missing_optional=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${optional[@]}"; do installed "$p" || missing_optional+=("$p"); done
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ]; then
  echo "step: nothing to do, all ${#packages[@]} packages and ${optional[*]} are installed"
  exit 0
fi
warnings=()
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$@" </dev/null; }
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
# A package index that is being synchronised fails the update but leaves the older lists usable.
if ! $SUDO apt-get update -qq; then
  warnings+=("the package index could not be updated; the lists at hand were used")
  echo "warning: ${warnings[-1]}" >&2
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt_install "${missing[@]}"
fi
if [ ${#missing_optional[@]} -gt 0 ]; then
  echo "installing: ${missing_optional[*]}"
  if ! apt_install "${missing_optional[@]}"; then
    warnings+=("${missing_optional[*]} cannot be installed; the Wine tests use the x86_64 build")
    echo "warning: ${warnings[-1]}" >&2
  fi
fi
if [ ${#missing[@]} -gt 0 ]; then
  summary="installed ${missing[*]}"
else
  summary="all ${#packages[@]} packages are installed"
fi
for warning in "${warnings[@]}"; do summary+="; warning: $warning"; done
echo "step: $summary"
exit 0
