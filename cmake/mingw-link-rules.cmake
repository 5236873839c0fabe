# Loaded through CMAKE_USER_MAKE_RULES_OVERRIDE after CMake's own MinGW rules.
#
# CMake's executable link rule appends -Wl,--major-image-version,<V>,--minor-image-version,<v>
# from the target's VERSION property (0.0 when unset) after every user flag, which would undo
# the image version of the toolchain's linker flags. Setting VERSION instead is no cure: on a
# Linux host CMake then names the file "<name>.exe-<version>" and adds a symlink. So drop that
# part of the rule.
foreach(lang C CXX)
    if(DEFINED CMAKE_${lang}_LINK_EXECUTABLE AND DEFINED CMAKE_GNULD_IMAGE_VERSION)
        string(REPLACE " ${CMAKE_GNULD_IMAGE_VERSION}" "" CMAKE_${lang}_LINK_EXECUTABLE
            "${CMAKE_${lang}_LINK_EXECUTABLE}")
    endif()
endforeach()
