# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows player sees of the program: no console window, the grid as its icon at every size
# Windows shows, its version information in its properties, and its manifest.
set_target_properties(tilora PROPERTIES WIN32_EXECUTABLE ON)

set(icon_sizes)
foreach(size 16 24 32 48 256)
    list(APPEND icon_sizes ${PROJECT_SOURCE_DIR}/desktop/art/hicolor/${size}.png)
endforeach()
set(TILORA_ICON ${PROJECT_BINARY_DIR}/tilora.ico)
add_custom_command(OUTPUT ${TILORA_ICON}
    COMMAND tilora_windows_icon ${TILORA_ICON} ${icon_sizes}
    DEPENDS tilora_windows_icon ${icon_sizes}
    VERBATIM)
set(TILORA_MANIFEST ${PROJECT_BINARY_DIR}/tilora.manifest)
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/tilora.manifest.in ${TILORA_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/tilora.rc.in ${PROJECT_BINARY_DIR}/tilora.rc @ONLY)
target_sources(tilora PRIVATE ${PROJECT_BINARY_DIR}/tilora.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/tilora.rc PROPERTIES OBJECT_DEPENDS "${TILORA_ICON};${TILORA_MANIFEST}")

# No time of the build in the program's header: two builds of one commit give the same bytes.
target_link_options(tilora PRIVATE -Wl,--no-insert-timestamp)
