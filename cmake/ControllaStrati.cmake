# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header its layer may not use.
# Usage: cmake -DSORGENTI=<folder holding the layer folders> -P ControllaStrati.cmake
#
# One row per layer folder: the layers whose headers it may include besides its own. A pure
# layer includes only those and the standard library (or the system's C headers); "qt" and
# "lingua" (Qt Core behind a standard-library interface) may include anything. A folder with no row is an error, so a new layer has to be placed here.
cmake_minimum_required(VERSION 3.25)
set(strati
    "model:"
    "engine:model"
    "gamefile:model engine"
    "ui:model engine gamefile"
    "cli:model engine gamefile lingua"
    "lingua:*"
    "qt:*")

if(NOT DEFINED SORGENTI OR NOT IS_DIRECTORY "${SORGENTI}")
    message(FATAL_ERROR "SORGENTI must name the folder of the layers")
endif()

foreach(riga IN LISTS strati)
    string(REGEX MATCH "^([a-z]+):(.*)$" _ "${riga}")
    set(strato "${CMAKE_MATCH_1}")
    separate_arguments(permessi_${strato} UNIX_COMMAND "${CMAKE_MATCH_2}")
    list(APPEND noti ${strato})
endforeach()

set(errori "")
file(GLOB cartelle LIST_DIRECTORIES true RELATIVE "${SORGENTI}" "${SORGENTI}/*")
foreach(strato IN LISTS cartelle)
    if(NOT IS_DIRECTORY "${SORGENTI}/${strato}")
        continue()
    endif()
    if(NOT strato IN_LIST noti)
        string(APPEND errori "${strato}/: folder missing from the layer table\n")
        continue()
    endif()
    if(permessi_${strato} STREQUAL "*")
        continue()
    endif()
    set(permessi ${strato} ${permessi_${strato}})
    file(GLOB_RECURSE file_strato RELATIVE "${SORGENTI}"
         "${SORGENTI}/${strato}/*.h" "${SORGENTI}/${strato}/*.cpp" "${SORGENTI}/${strato}/*.in")
    foreach(f IN LISTS file_strato)
        file(STRINGS "${SORGENTI}/${f}" inclusioni REGEX "^[ \t]*#[ \t]*include")
        get_filename_component(cartella "${f}" DIRECTORY)
        foreach(riga IN LISTS inclusioni)
            if(riga MATCHES "include[ \t]*<([^>]+)>")
                set(nome "${CMAKE_MATCH_1}")
                # Qt's headers: <QWidget>, <QtCore/...>, <qglobal.h>; <queue> is standard.
                if(nome MATCHES "^Q|^qt|^q[a-z0-9_]*\\.h$")
                    string(APPEND errori "${f}: includes Qt header <${nome}>\n")
                endif()
            elseif(riga MATCHES "include[ \t]*\"([^\"]+)\"")
                set(nome "${CMAKE_MATCH_1}")
                # A quoted header is found beside the file, from the sources' root, or is
                # generated from a .in template kept in one of the layer folders.
                set(trovato "")
                if(EXISTS "${SORGENTI}/${cartella}/${nome}")
                    file(RELATIVE_PATH trovato "${SORGENTI}" "${SORGENTI}/${cartella}/${nome}")
                elseif(EXISTS "${SORGENTI}/${nome}")
                    set(trovato "${nome}")
                else()
                    file(GLOB modelli RELATIVE "${SORGENTI}" "${SORGENTI}/*/${nome}.in")
                    list(LENGTH modelli quanti)
                    if(quanti EQUAL 1)
                        set(trovato "${modelli}")
                    endif()
                endif()
                if(trovato STREQUAL "")
                    string(APPEND errori "${f}: includes unknown header \"${nome}\"\n")
                    continue()
                endif()
                string(REGEX REPLACE "/.*" "" di "${trovato}")
                if(NOT di IN_LIST permessi)
                    string(APPEND errori "${f}: includes \"${nome}\" of layer ${di}\n")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(errori)
    message(NOTICE "${errori}")
    message(FATAL_ERROR "Includes across layers: see above")
endif()
message(STATUS "Every layer includes only what it may")
