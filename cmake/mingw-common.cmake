# Shared part of the MinGW-w64 cross toolchains. The including file sets KESTRAVO_MINGW_TRIPLET.
#
# The posix thread-model compilers give the full C++ standard library (std::thread, std::mutex,
# call_once); -static links libgcc, libstdc++ and winpthread into the image, so the program
# needs no MinGW DLL beside it.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KESTRAVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRAVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRAVO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRAVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GUI subsystem at version 4.0, image version 1.0, and no link timestamp so that equal
# sources give equal bytes. The rules override keeps CMake from overriding the image version.
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/mingw-link-rules.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -mwindows -Wl,--subsystem,windows:4.0 \
-Wl,--major-subsystem-version,4,--minor-subsystem-version,0 \
-Wl,--major-image-version,1,--minor-image-version,0 -Wl,--no-insert-timestamp")
