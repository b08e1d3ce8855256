# The 32-bit Windows build, the product's own target.
set(KXUA_MINGW_ARCH i686)
set(KXUA_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
