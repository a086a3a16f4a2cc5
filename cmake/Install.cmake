# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game looks for images/ beside its resolved executable, so both live in one private
# folder and bin/ only holds a relative link that survives any prefix or DESTDIR.
set(TILORA_APP_ID io.github.tilora.Tilora)
set(TILORA_APP_DIR lib/tilora)

# Every library comes from the system, so the installed program needs no search path.
set_target_properties(tilora PROPERTIES INSTALL_RPATH "")
install(TARGETS tilora RUNTIME DESTINATION ${TILORA_APP_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/images/ DESTINATION ${TILORA_APP_DIR}/images
    FILES_MATCHING PATTERN "*.jpg")

file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
file(CREATE_LINK ../${TILORA_APP_DIR}/tilora ${PROJECT_BINARY_DIR}/install-links/tilora SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install-links/tilora DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/dist/${TILORA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${TILORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/desktop/art/hicolor/${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME ${TILORA_APP_ID}.png)
endforeach()
