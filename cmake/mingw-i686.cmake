# Cross-compiles the 32-bit Windows DLL with MinGW-w64. The posix thread model gives
# the standard library's threads and mutexes; everything is linked statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(KXUA_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KXUA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KXUA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KXUA_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${KXUA_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KXUA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests of Windows programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
