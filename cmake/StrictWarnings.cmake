# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The product's own code is warned of everything -Wall -Wextra finds. Our scripts and CI make
# those warnings errors, so none lands; a distribution's build with a newer compiler must not
# fail on a warning nobody here has seen yet, so a plain build leaves them warnings.
option(TILORA_WARNINGS_AS_ERRORS "Fail the build on any compiler warning in the game's own code" OFF)

function(tilora_strict_warnings target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${TILORA_WARNINGS_AS_ERRORS}>:-Werror>)
    endif()
endfunction()
