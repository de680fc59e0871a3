# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check run on a tree with known faults must fail and name exactly those faults.
# Usage: cmake -DCONTROLLO=<ControllaStrati.cmake> -DALBERO=<tree> -P prova_controllo.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DSORGENTI=${ALBERO} -P ${CONTROLLO}
                RESULT_VARIABLE esito ERROR_VARIABLE uscita)
if(esito EQUAL 0)
    message(FATAL_ERROR "the check passed a tree with faults:\n${uscita}")
endif()
set(attesi
    "cli/Comandi.cpp: includes \"ui/Finestra.h\" of layer ui"
    "cli/Comandi.cpp: includes Qt header <QtCore/QObject>"
    "engine/Motore.cpp: includes Qt header <qglobal.h>"
    "engine/Motore.h: includes \"ui/Finestra.h\" of layer ui"
    "extra/: folder missing from the layer table"
    "model/Base.h: includes Qt header <QString>"
    "ui/Finestra.h: includes unknown header \"Mancante.h\"")
string(REGEX MATCHALL "[a-z]+/[A-Za-z.]*: [^\n]*" trovati "${uscita}")
list(SORT trovati)
if(NOT trovati STREQUAL attesi)
    string(REPLACE ";" "\n" trovati "${trovati}")
    message(FATAL_ERROR "the check reported other faults than the planted ones:\n${trovati}")
endif()
