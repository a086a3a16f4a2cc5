# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game looks for images/ beside its resolved executable, so both live in one private
# folder, as Debian lays out games, and games/ only holds a relative link that survives any
# prefix or DESTDIR.
set(TILORA_APP_ID io.github.tilora.Tilora)
set(TILORA_APP_DIR lib/games/tilora)
set(TILORA_DOC_DIR share/doc/tilora)
# Folders get the same mode whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Every library comes from the system, so the installed program needs no search path.
set_target_properties(tilora PROPERTIES INSTALL_RPATH "")
install(TARGETS tilora RUNTIME DESTINATION ${TILORA_APP_DIR})
# A stripped install (the package) also drops the compiler's version notes.
find_program(OBJCOPY_PROGRAM NAMES ${CMAKE_OBJCOPY} objcopy REQUIRED)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${OBJCOPY_PROGRAM}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TILORA_APP_DIR}/tilora\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/images/ DESTINATION ${TILORA_APP_DIR}/images
    FILES_MATCHING PATTERN "*.jpg")

file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
file(CREATE_LINK ../${TILORA_APP_DIR}/tilora ${PROJECT_BINARY_DIR}/install-links/tilora SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install-links/tilora DESTINATION games)

install(FILES ${PROJECT_SOURCE_DIR}/dist/${TILORA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${TILORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/desktop/art/hicolor/${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME ${TILORA_APP_ID}.png)
endforeach()

# The manual page and the changelog ship compressed; -n keeps name and time out of the file.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_docs)
foreach(doc tilora.6 changelog)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/dist/${doc}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/dist
        COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\"" ${GZIP_PROGRAM}
            ${PROJECT_SOURCE_DIR}/dist/${doc} ${PROJECT_BINARY_DIR}/dist/${doc}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/dist/${doc}
        VERBATIM)
    list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/dist/${doc}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${PROJECT_BINARY_DIR}/dist/tilora.6.gz DESTINATION share/man/man6)
install(FILES ${PROJECT_BINARY_DIR}/dist/changelog.gz ${PROJECT_SOURCE_DIR}/dist/copyright
    DESTINATION ${TILORA_DOC_DIR})
# Tags that Debian's package checker raises only in its pedantic and experimental modes, each
# with its reason in the file.
install(FILES ${PROJECT_SOURCE_DIR}/dist/lintian-overrides DESTINATION share/lintian/overrides
    RENAME tilora)
