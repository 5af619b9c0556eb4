# Shared part of the mingw-w64 cross toolchains; the including file sets SETUP_TRIPLE.
# The product uses the win32 thread model; the test build passes -DSETUP_THREAD_MODEL=posix
# because GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT SETUP_THREAD_MODEL)
  set(SETUP_THREAD_MODEL win32)
endif()
set(CMAKE_C_COMPILER   ${SETUP_TRIPLE}-gcc-${SETUP_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${SETUP_TRIPLE}-g++-${SETUP_THREAD_MODEL})
set(CMAKE_RC_COMPILER  ${SETUP_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SETUP_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
