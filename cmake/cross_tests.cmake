# SPDX-License-Identifier: MIT
# The tests of a cross build (cmake/mingw-w64.cmake), run under Wine. Debian's libgtest-dev holds
# libraries for this machine only: its sources are built with the cross compiler.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "The cross build's tests run under Wine: install wine64 "
        "(scripts/cross-test does), or configure with -DVQ72_BUILD_TESTS=OFF")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Wine's own folder in the build, made once before the tests; no display, no debug messages, no
# offer to install Mono or Gecko.
set(VQ72_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml=)
add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 120
    ENVIRONMENT "${VQ72_WINE_ENVIRONMENT}"
    ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:")

# vq72_wine_test(NAME LABEL): the test program NAME as one test under Wine (a start of Wine costs
# more than most of its tests), with LABEL, no port map from the caller's environment and a time
# limit.
function(vq72_wine_test name label)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT 300 FIXTURES_REQUIRED wine
        ENVIRONMENT "${VQ72_WINE_ENVIRONMENT};VQ72_OSD_PORTS="
        ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:")
endfunction()
