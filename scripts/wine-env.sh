# Sourced by the scripts that run Windows programs: picks the Wine loader and the build
# architecture that this host can run.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Some hosts cannot execute 32-bit Linux programs at all, and so no 32-bit Wine; there the
# programs are built for x86_64 from the same sources and run by the 64-bit loader.
if [ -z "${SETUP_TEST_ARCH:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    SETUP_TEST_ARCH=i686
  else
    SETUP_TEST_ARCH=x86_64
  fi
fi
export SETUP_TEST_ARCH
if [ "$SETUP_TEST_ARCH" = i686 ]; then WINE_LOADER=/usr/lib/wine/wine; else WINE_LOADER=/usr/lib/wine/wine64; fi
export WINE_LOADER
