# Installation, desktop integration and the Debian package.
# Name and version come from the top-level project(); nothing here repeats them.

include(GNUInstallDirs)

# Release date of this build; follows SOURCE_DATE_EPOCH when set, so packages can be reproduced.
string(TIMESTAMP GIROLINO_DATA_RILASCIO "%Y-%m-%d" UTC)

set(_pacchetto_src ${CMAKE_SOURCE_DIR}/packaging)
set(_pacchetto_bin ${CMAKE_BINARY_DIR}/packaging)
set(GIROLINO_FILE_DESKTOP ${_pacchetto_bin}/${GIROLINO_ID}.desktop)
set(GIROLINO_FILE_METAINFO ${_pacchetto_bin}/${GIROLINO_ID}.metainfo.xml)
configure_file(${_pacchetto_src}/girolino.desktop.in ${GIROLINO_FILE_DESKTOP} @ONLY)
configure_file(${_pacchetto_src}/girolino.metainfo.xml.in ${GIROLINO_FILE_METAINFO} @ONLY)

# The window icon travels inside the program as a Qt resource (:/icone/girolino.png).
set_target_properties(girolino PROPERTIES AUTORCC ON)
target_sources(girolino PRIVATE ${_pacchetto_src}/girolino.qrc)

install(TARGETS girolino girolino-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${GIROLINO_FILE_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GIROLINO_FILE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pacchetto_src}/girolino.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian package: `cpack` in the build folder writes girolino_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${GIROLINO_NOME}")
set(CPACK_PACKAGE_CONTACT "Sviluppatori di ${GIROLINO_NOME} <info@girolino.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.girolino.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "statistiche per la roulette a zero singolo")
# Control-file lines are kept short by hand: CPack does not wrap them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "${GIROLINO_NOME} tiene ritardi, massimi ritardi e sortite dei numeri, delle\n"
    "chance semplici, delle dozzine, delle colonne e dei gruppi di numeri di una\n"
    "partita alla roulette a zero singolo, con classifiche, segnalazioni a soglia\n"
    "e finestre di analisi. Le partite si salvano e si riaprono.\n"
    "\n"
    "Ogni colpo è indipendente dai precedenti: le statistiche descrivono i colpi\n"
    "passati e non prevedono il prossimo numero.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# Libraries are read off the binary by dpkg-shlibdeps (package dpkg-dev). Qt's Italian
# message texts (standard dialogs and buttons) are a separate package, wanted but not vital.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

if(GIROLINO_TESTS)
    # Both checks need only the configured files or the build tree, no system change.
    add_test(NAME pacchetto_metadati
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/valida_metadati.sh
                     ${GIROLINO_FILE_DESKTOP} ${GIROLINO_FILE_METAINFO})
    add_test(NAME pacchetto_installazione
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/prova_installazione.sh
                     ${CMAKE_BINARY_DIR} ${GIROLINO_ID} ${CMAKE_COMMAND})
    set_tests_properties(pacchetto_metadati pacchetto_installazione PROPERTIES
                         SKIP_RETURN_CODE 77 LABELS "installazione")

    # Installs and removes a system package: only on request, on a machine that may be changed.
    option(GIROLINO_TEST_PACCHETTO "Also test the .deb by installing it (root, changes the system)" OFF)
    if(GIROLINO_TEST_PACCHETTO)
        add_test(NAME pacchetto_deb
                 COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/prova_pacchetto.sh
                         ${CMAKE_BINARY_DIR} ${GIROLINO_ID} ${CMAKE_CPACK_COMMAND})
        set_tests_properties(pacchetto_deb PROPERTIES
                             SKIP_RETURN_CODE 77 LABELS "pacchetto" TIMEOUT 900 RUN_SERIAL ON)
    endif()
endif()
