# SPDX-License-Identifier: GPL-3.0-or-later
# Installation, desktop integration and the Debian package.
# Name and version come from the top-level project(); nothing here repeats them.

include(GNUInstallDirs)

# Releases and their dates come from the changelog, never from the day of the build: its
# headings "## [version] - YYYY-MM-DD", newest first, the first being this version.
set(_changelog ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
file(STRINGS ${_changelog} _rilasci REGEX "^## \\[[0-9][0-9.]*\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
set(GIROLINO_RILASCI "")
foreach(_r IN LISTS _rilasci)
    string(REGEX MATCH "^## \\[([0-9.]+)\\] - (.*)$" _ "${_r}")
    if(GIROLINO_RILASCI STREQUAL "" AND NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "CHANGELOG.md: the newest release is ${CMAKE_MATCH_1}, "
                            "the project's version ${PROJECT_VERSION}")
    endif()
    if(GIROLINO_RILASCI STREQUAL "")
        set(GIROLINO_DATA_RILASCIO "${CMAKE_MATCH_2}") # this version's, for the manual pages
    endif()
    string(APPEND GIROLINO_RILASCI
           "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\"/>\n")
endforeach()
if(GIROLINO_RILASCI STREQUAL "")
    message(FATAL_ERROR "CHANGELOG.md: no release heading \"## [version] - YYYY-MM-DD\"")
endif()

# Maintainer of the package and signer of its changelog.
set(CPACK_PACKAGE_CONTACT "Sviluppatori di ${GIROLINO_NOME} <info@girolino.example>")
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
# A stripped install (cpack, cmake --install --strip) also drops the compilers' version notes
# (section .comment), as Debian does for the programs it ships.
if(CMAKE_OBJCOPY)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(p girolino girolino-cli)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${p}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endforeach()
        endif()")
endif()
install(FILES ${GIROLINO_FILE_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GIROLINO_FILE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pacchetto_src}/girolino.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Documents made at build time, compressed as Debian ships them (gzip -9n: no name, no date,
# so the same sources give the same bytes): the manual pages, from man(7) sources with the
# version and release date filled in, and the changelog in Debian's form.
find_program(GIROLINO_GZIP gzip REQUIRED)
find_program(GIROLINO_AWK NAMES awk mawk gawk REQUIRED)
set(_documenti "")
foreach(_pagina girolino.1 girolino-cli.1)
    set(_man ${CMAKE_BINARY_DIR}/man/${_pagina})
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${_pagina}.in ${_man} @ONLY)
    add_custom_command(OUTPUT ${_man}.gz
                       COMMAND ${GIROLINO_GZIP} -9nkf ${_man}
                       DEPENDS ${_man} VERBATIM)
    list(APPEND _documenti ${_man}.gz)
    install(FILES ${_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(_changelog_debian ${_pacchetto_bin}/changelog)
add_custom_command(OUTPUT ${_changelog_debian}.gz
                   COMMAND ${GIROLINO_AWK} -v pacchetto=${PROJECT_NAME}
                           -v "manutentore=${CPACK_PACKAGE_CONTACT}" -v out=${_changelog_debian}
                           -f ${CMAKE_SOURCE_DIR}/cmake/ChangelogDebian.awk ${_changelog}
                   COMMAND ${GIROLINO_GZIP} -9nf ${_changelog_debian}
                   DEPENDS ${_changelog} ${CMAKE_SOURCE_DIR}/cmake/ChangelogDebian.awk VERBATIM)
list(APPEND _documenti ${_changelog_debian}.gz)
add_custom_target(girolino_documenti ALL DEPENDS ${_documenti})
install(FILES ${_changelog_debian}.gz ${_pacchetto_src}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The Italian words lintian's English spelling check mistakes for errors.
install(FILES ${_pacchetto_src}/girolino.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${PROJECT_NAME})

# Debian package: `cpack` in the build folder writes girolino_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${GIROLINO_NOME}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${GIROLINO_SITO}")
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
# A tool for players, not a game: Debian keeps "games" for programs that are played.
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# Libraries are read off the binary by dpkg-shlibdeps (package dpkg-dev). Qt's Italian
# message texts (standard dialogs and buttons) are a separate package, wanted but not vital.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

if(BUILD_TESTING)
    # These checks need only the configured files, the build tree or a virtual screen: no
    # system change.
    add_test(NAME pacchetto_metadati
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/valida_metadati.sh
                     ${GIROLINO_FILE_DESKTOP} ${GIROLINO_FILE_METAINFO})
    add_test(NAME pacchetto_installazione
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/prova_installazione.sh
                     ${CMAKE_BINARY_DIR} ${GIROLINO_ID} ${CMAKE_COMMAND})
    # A real window on a virtual screen: its class must be the entry's StartupWMClass.
    add_test(NAME pacchetto_classe_finestra
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/classe_finestra.sh
                     $<TARGET_FILE:girolino> ${GIROLINO_FILE_DESKTOP})
    add_test(NAME pacchetto_manuale_cli
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/manuale_cli.sh
                     $<TARGET_FILE:girolino-cli> ${CMAKE_BINARY_DIR}/man/girolino-cli.1)
    set_tests_properties(pacchetto_metadati pacchetto_installazione pacchetto_classe_finestra
                         pacchetto_manuale_cli
                         PROPERTIES SKIP_RETURN_CODE 77 LABELS "installazione")

    # Builds the .deb in the build folder and runs lintian on it: a few seconds, no system
    # change, but it needs lintian and dpkg-dev. CI turns it on.
    option(GIROLINO_TEST_LINTIAN "Also build the .deb and check it with lintian" OFF)
    if(GIROLINO_TEST_LINTIAN)
        add_test(NAME pacchetto_lintian
                 COMMAND sh ${CMAKE_SOURCE_DIR}/tests/packaging/lintian.sh
                         ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND})
        set_tests_properties(pacchetto_lintian PROPERTIES
                             SKIP_RETURN_CODE 77 LABELS "pacchetto" TIMEOUT 600)
    endif()

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
