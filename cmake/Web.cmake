# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a web page: the program and emscripten's runtime, Qt's loader, and our page around them.
# The sample pictures travel with the page in its own file system, in images/ beside the program.
# Asyncify lets the modal windows' exec() wait for the player in a browser too, so every platform keeps
# one code path; what it costs is measured in the README.
target_link_options(tilora PRIVATE -sASYNCIFY -Os
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/images@/images"
    "SHELL:--exclude-file ${PROJECT_SOURCE_DIR}/images/.*")
set_property(TARGET tilora APPEND PROPERTY LINK_DEPENDS ${sample_pictures})
configure_file(${PROJECT_SOURCE_DIR}/dist/web/index.html ${PROJECT_BINARY_DIR}/index.html COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/desktop/art/hicolor/48.png ${PROJECT_BINARY_DIR}/tilora.png COPYONLY)

# Every file the page is made of, relative to the build folder: the download is packed from this list,
# and the service worker keeps these files for offline play. Add a file the page loads here; the list
# is written to page-files.txt once this folder has been read, so an addition further down counts too.
set(TILORA_PAGE_FILES index.html qtloader.js tilora.js tilora.wasm tilora.data tilora.png)
function(tilora_write_page_files)
    list(JOIN TILORA_PAGE_FILES "\n" listed)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/page-files.txt CONTENT "${listed}\n")
endfunction()
cmake_language(DEFER CALL tilora_write_page_files)
