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

# The player's own pictures (pictures.js), and the Japanese and Chinese lettering: Noto Sans CJK cut down
# to those texts by tools/subset-cjk-font, in the program's file system in fonts/, its licence beside the page.
foreach(font NotoSansCJK-JP-Tilora.otf NotoSansCJK-SC-Tilora.otf)
    target_link_options(tilora PRIVATE "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/dist/web/fonts/${font}@/fonts/${font}")
    set_property(TARGET tilora APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/dist/web/fonts/${font})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/dist/web/pictures.js ${PROJECT_BINARY_DIR}/pictures.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/dist/web/fonts/NotoSansCJK-LICENSE.txt ${PROJECT_BINARY_DIR}/NotoSansCJK-LICENSE.txt COPYONLY)
