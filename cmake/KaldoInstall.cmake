# Where an installed program keeps its files: the executable in bin/, the catalogue, the help
# file and the manual in share/kaldo/ (the program looks there, ../share/kaldo/ beside itself,
# when they are not beside it), the desktop entry, icons, document type and AppStream metadata
# where the desktop and software centres look for them, the manual pages, and the copyright
# file and changelog that Debian wants in share/doc/kaldo/.

set(KALDO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kaldo)

# (The catalogue's own rule is beside its copy into the build tree, in the top-level file.)
# The example document, to try the program on; the manual's pictures show it.
install(FILES ${PROJECT_SOURCE_DIR}/examples/taller-mecanico.kl3 DESTINATION ${KALDO_DATA_DIR}/ejemplos)
# Its photos, in the folder that goes beside it.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/examples/taller-mecanico fotos" DESTINATION ${KALDO_DATA_DIR}/ejemplos)

if(WIN32)
    include(KaldoWindowsInstall)
    return()
endif()

# The application's reverse-DNS id names its desktop entry and its AppStream metadata. The project
# owns no domain: "torve.invalid" (the maintainer's address too) is reserved never to be anyone's.
set(KALDO_APP_ID invalid.torve.kaldo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${KALDO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kaldo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The application icon, also the icon of its documents in file managers.
foreach(size 16 32 48 64 128 256)
    set(folder ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/app/kaldo-${size}.png DESTINATION ${folder}/apps
            RENAME kaldo.png)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/app/kaldo-${size}.png DESTINATION ${folder}/mimetypes
            RENAME application-x-kaldo.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/app/kaldo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app/kaldo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes RENAME application-x-kaldo.svg)

# There is no public web site to serve the pictures of docs/screenshots/ from yet; whoever
# publishes them sets this, and until then software centres show no picture.
set(KALDO_SCREENSHOT_URL "https://torve.invalid/kaldo/screenshots" CACHE STRING
    "Address where the pictures of docs/screenshots/ are published, for the AppStream metadata")
set(metainfo ${CMAKE_BINARY_DIR}/share/metainfo/${KALDO_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${KALDO_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the changelog are installed compressed the way Debian wants them: gzip at
# its best compression, without the file's name and time in the header.
find_program(KALDO_GZIP gzip REQUIRED)
set(compressed)
function(kaldo_install_gzipped source destination name)
    set(copy ${CMAKE_BINARY_DIR}/compressed/${destination}/${name})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${KALDO_GZIP} -9nf ${copy}
        DEPENDS ${source}
        VERBATIM)
    install(FILES ${copy}.gz DESTINATION ${destination})
    set(compressed ${compressed} ${copy}.gz PARENT_SCOPE)
endfunction()

kaldo_install_gzipped(${KALDO_CHANGELOG} ${CMAKE_INSTALL_DOCDIR} changelog.Debian)
# The English page where man looks by default, the Spanish one for Spanish locales.
kaldo_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/en/kaldo.1 ${CMAKE_INSTALL_MANDIR}/man1 kaldo.1)
kaldo_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/es/kaldo.1 ${CMAKE_INSTALL_MANDIR}/es/man1 kaldo.1)
add_custom_target(kaldo_compressed_files ALL DEPENDS ${compressed})
