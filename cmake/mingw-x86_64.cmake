# The 64-bit Windows build: the same DLL and tests, and the one that runs under Wine
# on machines whose kernel refuses 32-bit programs.
set(KXUA_MINGW_ARCH x86_64)
set(KXUA_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
