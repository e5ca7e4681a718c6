# What an installed program needs on Windows besides the files every system gets: where Qt finds
# its plugins and translations (qt.conf beside the programs), and Qt's own Spanish texts for the
# standard dialogs' buttons. The installer and the portable zip (scripts/windows/package.sh) add
# the DLLs and plugins; the fonts are installed with the programs (src/app).
install(FILES ${PROJECT_SOURCE_DIR}/resources/windows/qt.conf DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES /usr/share/qt6/translations/qtbase_es.qm DESTINATION ${KALDO_DATA_DIR}/translations)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${KALDO_DATA_DIR} RENAME copyright.txt)
