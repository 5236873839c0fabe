# Cross toolchain for i686 Windows with Debian's MinGW-w64 packages.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KESTRAVO_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
