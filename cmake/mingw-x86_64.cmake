# Cross toolchain for x86_64 Windows with Debian's MinGW-w64 packages.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KESTRAVO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
