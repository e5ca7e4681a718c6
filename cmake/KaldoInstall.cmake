# Where an installed program keeps its files: the executable in bin/, the catalogue, the help
# file and the manual in share/kaldo/ (the program looks there, ../share/kaldo/ beside itself,
# when they are not beside it), and the desktop entry, icons and document type where the
# desktop looks for them.

set(KALDO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kaldo)

# (The catalogue's own rule is beside its copy into the build tree, in the top-level file.)
# The example document, to try the program on; the manual's pictures show it.
install(FILES ${PROJECT_SOURCE_DIR}/examples/taller-mecanico.kl3 DESTINATION ${KALDO_DATA_DIR}/ejemplos)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kaldo.desktop
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
