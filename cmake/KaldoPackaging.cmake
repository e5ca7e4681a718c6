# The Debian package, made with `cpack -G DEB` in the build folder (scripts/package does it).
#
# No maintainer scripts: on Debian 12 the desktop database, the MIME database and the icon
# cache are brought up to date by file triggers of desktop-file-utils (/usr/share/applications),
# shared-mime-info (/usr/share/mime/packages) and hicolor-icon-theme (/usr/share/icons/hicolor)
# whenever a package installs or removes files there.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kaldo)
set(CPACK_PACKAGE_VERSION ${KALDO_UPSTREAM_VERSION})
# The Debian revision of the changelog's newest entry: the package is kaldo_3.1.0-1_amd64.deb.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KALDO_DEBIAN_REVISION})
set(CPACK_PACKAGE_VENDOR TORVE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "evaluación de riesgos laborales / occupational risk assessment for small firms")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipo KALDO <kaldo@torve.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (Qt 6, the C++ runtime) are found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (files, printing, message buttons) in Spanish like the rest of the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# "Ayuda" and "Manual" hand the help file and the manual to whatever opens them on the desktop.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer, libreoffice-writer | abiword")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The synopsis is the summary above; CPack indents this long description and writes its empty
# line as " .". Its lines stay within 80 columns once indented.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KALDO 3.1 permite a la pequeña empresa realizar y registrar su propia
evaluación de riesgos laborales: la empresa se dibuja como un árbol de zonas
y puestos de trabajo, se le asignan cuestionarios de un catálogo de 23, se
anotan las deficiencias encontradas con una valoración simplificada del
riesgo (consecuencias, exposición y nivel de deficiencia dan la probabilidad
y el nivel de intervención), se planifican las medidas preventivas y se
imprimen informes y cuestionarios en blanco. Cada evaluación es un archivo
de texto .kl3. Interfaz en español.

KALDO 3.1 lets a small firm carry out and record its own occupational risk
assessment: the firm is drawn as a tree of zones and workstations,
checklists from a catalogue of 23 questionnaires are attached, deficiencies
found on inspection are recorded with a simplified risk valuation,
preventive measures are planned, and reports and blank questionnaires are
printed. One assessment is one .kl3 text file. The user interface is in
Spanish.")

include(CPack)
