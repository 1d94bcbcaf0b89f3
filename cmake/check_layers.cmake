# cmake -DTV_SOURCE_DIR=<sources> -P check_layers.cmake
#
# Fails when a file includes a header of a folder its layer may not use (see
# TV_LAYER_RULES in layers.cmake), or when the core includes Qt.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/layers.cmake")

# The folder a quoted include names: "tests/app/x.h" -> tests/app, "tests/x.h"
# -> tests, "tables/x.h" -> tables; nothing for a file beside the includer.
function(included_folder path out)
    set(${out} "" PARENT_SCOPE)
    if(path MATCHES "^tests/([^/]+)/")
        set(${out} "tests/${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(path MATCHES "^([^/]+)/")
        set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    endif()
endfunction()

set(errors "")
foreach(rule IN LISTS TV_LAYER_RULES)
    string(REGEX REPLACE ":.*" "" folder "${rule}")
    string(REGEX REPLACE "^[^:]*:" "" allowed "${rule}")
    string(REPLACE "," ";" allowed "${allowed}")
    list(APPEND allowed "${folder}")
    string(REPLACE ";" ", " allowed_text "${allowed}")
    list(FIND TV_LAYERS_WITHOUT_QT "${folder}" without_qt)
    file(GLOB files "${TV_SOURCE_DIR}/${folder}/*.h" "${TV_SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
        file(RELATIVE_PATH name "${TV_SOURCE_DIR}" "${file}")
        foreach(line IN LISTS lines)
            if(line MATCHES "include[ \t]*\"([^\"]+)\"")
                included_folder("${CMAKE_MATCH_1}" target)
                if(target AND NOT target IN_LIST allowed)
                    string(APPEND errors "  ${name}: ${line}  (${folder}/ may include only: ${allowed_text})\n")
                endif()
            elseif(without_qt GREATER -1 AND line MATCHES "include[ \t]*<Q")
                string(APPEND errors "  ${name}: ${line}  (no Qt in ${folder}/)\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(errors)
    message(FATAL_ERROR "Includes across the layers:\n${errors}")
endif()
