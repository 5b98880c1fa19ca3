# SPDX-License-Identifier: MIT
# Strict warnings for the project's own targets.
function(vq72_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
