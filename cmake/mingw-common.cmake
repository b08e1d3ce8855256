# Shared by the MinGW-w64 toolchain files, which set KXUA_MINGW_ARCH (i686 or
# x86_64) and KXUA_WINE_LOADER (the Wine loader of that width) first. The posix
# thread model gives the standard library's threads and mutexes; everything is
# linked statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KXUA_MINGW_ARCH})

set(KXUA_MINGW_PREFIX ${KXUA_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${KXUA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KXUA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KXUA_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${KXUA_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KXUA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests of Windows programs run under Wine, through the loader of the program's
# width: /usr/bin/wine tries the 32-bit loader first, which fails on kernels that
# run 64-bit programs only. KXUA_WINE overrides the choice.
if(NOT KXUA_WINE)
  if(EXISTS ${KXUA_WINE_LOADER})
    set(KXUA_WINE ${KXUA_WINE_LOADER})
  else()
    set(KXUA_WINE wine)
  endif()
endif()
set(KXUA_WINE ${KXUA_WINE} CACHE FILEPATH "The Wine loader that runs this build's programs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${KXUA_WINE})
