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
# A licence the page must carry goes in as <name>-LICENSE.txt: the download's notices take it in.
set(TILORA_PAGE_FILES index.html qtloader.js tilora.js tilora.wasm tilora.data tilora.png)

# The player's own pictures (pictures.js), and the Japanese and Chinese lettering: Noto Sans CJK cut down
# to those texts by tools/subset-cjk-font, in the program's file system in fonts/, its licence beside the page.
foreach(font NotoSansCJK-JP-Tilora.otf NotoSansCJK-SC-Tilora.otf)
    target_link_options(tilora PRIVATE "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/dist/web/fonts/${font}@/fonts/${font}")
    set_property(TARGET tilora APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/dist/web/fonts/${font})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/dist/web/pictures.js ${PROJECT_BINARY_DIR}/pictures.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/dist/web/fonts/NotoSansCJK-LICENSE.txt ${PROJECT_BINARY_DIR}/NotoSansCJK-LICENSE.txt COPYONLY)
list(APPEND TILORA_PAGE_FILES pictures.js NotoSansCJK-LICENSE.txt)

# Installing it as an app: the manifest and its icons.
configure_file(${PROJECT_SOURCE_DIR}/dist/web/manifest.webmanifest ${PROJECT_BINARY_DIR}/manifest.webmanifest COPYONLY)
foreach(size 192 512)
    configure_file(${PROJECT_SOURCE_DIR}/desktop/art/hicolor/${size}.png ${PROJECT_BINARY_DIR}/icon-${size}.png COPYONLY)
endforeach()
list(APPEND TILORA_PAGE_FILES manifest.webmanifest icon-192.png icon-512.png service-worker.js)

# The service worker is written once every other file of the page is built, named by their contents.
function(tilora_write_page_files)
    list(JOIN TILORA_PAGE_FILES "\n" listed)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/page-files.txt CONTENT "${listed}\n")
    set(made_by_the_link tilora.js tilora.wasm tilora.data service-worker.js)
    set(inputs ${TILORA_PAGE_FILES})
    list(REMOVE_ITEM inputs ${made_by_the_link})
    list(TRANSFORM inputs PREPEND ${PROJECT_BINARY_DIR}/)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/service-worker.js
        COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DTEMPLATE=${PROJECT_SOURCE_DIR}/dist/web/service-worker.js
            -P ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
        DEPENDS tilora ${inputs} ${PROJECT_BINARY_DIR}/page-files.txt ${PROJECT_SOURCE_DIR}/dist/web/service-worker.js
            ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
        VERBATIM)
    add_custom_target(service_worker ALL DEPENDS ${PROJECT_BINARY_DIR}/service-worker.js)
endfunction()
cmake_language(DEFER CALL tilora_write_page_files)

# The start-up benchmark's baseline (bench/web/startup.py): a bare Qt Widgets window built the same way, in
# the same page. Built only when asked for: cmake --build build-web --target tilora_bare_window.
qt_add_executable(tilora_bare_window ${PROJECT_SOURCE_DIR}/bench/startup/BareWindow.cpp)
target_link_libraries(tilora_bare_window PRIVATE Qt6::Widgets)
target_link_options(tilora_bare_window PRIVATE -sASYNCIFY -Os)
set_target_properties(tilora_bare_window PROPERTIES EXCLUDE_FROM_ALL ON)
file(READ ${PROJECT_SOURCE_DIR}/dist/web/index.html page)
string(REPLACE "tilora.js" "tilora_bare_window.js" page "${page}")
string(REPLACE "window.tilora_entry" "window.tilora_bare_window_entry" page "${page}")
file(WRITE ${PROJECT_BINARY_DIR}/bare-window.html "${page}")
