# 64-bit Windows build of the same sources, for hosts whose Wine cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SETUP_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
