# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix); its
# programs run under Wine (wine64). Only the libraries that link no Qt build this way
# (VQ72_CORE_ONLY, on by default when cross-compiling): scripts/cross-test.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ and thread runtimes linked in, so that a program runs without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's wine64 installs its loader outside PATH (the package "wine" adds the wrappers).
find_program(VQ72_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(VQ72_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VQ72_WINE})
endif()
