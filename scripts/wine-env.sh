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

# configure_wine_tests PRODUCT_DIR: the build folder of the Wine tests and the end-to-end
# driver (build/wine-tests), for the Setup.exe in PRODUCT_DIR.
configure_wine_tests() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cmake -S "$root" -B "$root/build/wine-tests" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$SETUP_TEST_ARCH.cmake" \
    -DSETUP_THREAD_MODEL=posix -DSETUP_BUILD_TESTS=ON -DSETUP_PRODUCT_DIR="$1" \
    -DSETUP_SHIPPED_DIR="$root/build/product"
}
