# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the code shows a text that a translation file lacks, when a file keeps a text the code
# no longer shows, or when a translation is unfinished: lupdate updates copies of the files, and
# what it had to add or retire shows there. Lists are given with | between their items.
#   cmake -DLUPDATE=lupdate -DSOURCES=a.cpp|b.cpp -DTRANSLATIONS=x.ts|y.ts -DWORK=folder -P translations-complete.cmake
string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" translations "${TRANSLATIONS}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(faults "")
foreach(committed IN LISTS translations)
    get_filename_component(name "${committed}" NAME)
    file(COPY "${committed}" DESTINATION "${WORK}")
    execute_process(COMMAND "${LUPDATE}" -locations none ${sources} -ts "${WORK}/${name}"
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
    endif()
    file(READ "${WORK}/${name}" updated)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
        messages "${updated}")
    foreach(message IN LISTS messages)
        string(REGEX REPLACE "<source>([^<]*)</source>[ \n]*<translation type=\"([a-z]+)\"" "\\2: \\1" message "${message}")
        string(APPEND faults "  ${name}: ${message}\n")
    endforeach()
    # Whatever the form of the entry, no file may keep one of these.
    string(REGEX MATCH "type=\"(unfinished|vanished|obsolete)\"" left "${updated}")
    if(left AND NOT messages)
        string(APPEND faults "  ${name}: ${left}\n")
    endif()
endforeach()

if(faults)
    message(FATAL_ERROR "Texts new to the code, retired from it, or not yet translated "
        "(update with: cmake --build build --target update_translations, then translate):\n${faults}")
endif()
