# The interface catalogues (translations/*.ts, Qt Linguist files) built into
# .qm files with Debian's Qt tools (qt6-l10n-tools) and embedded in a target
# as resources under :/i18n. A Windows cross build runs the build machine's
# lrelease, as it runs its moc and rcc.
#
# The update_translations target runs lupdate over every source folder whose
# texts reach the user; TV_TEXT, the core's translatable text, is read as
# QT_TRANSLATE_NOOP (its context comes first, its UTF-8 Spanish text second).
set(TV_QT_HOST_TOOLS /usr/lib/qt6/bin CACHE PATH "Folder of the build machine's lupdate and lrelease")
find_program(TV_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${TV_QT_HOST_TOOLS} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(TV_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${TV_QT_HOST_TOOLS} NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(TV_TRANSLATIONS_DIR ${CMAKE_SOURCE_DIR}/translations)
set(TV_TRANSLATED_FOLDERS app tables common tablorix_schema dae_to_tablorix tablorix_to_dae cli)
# The same options for the catalogue and for the test that checks it is current.
# Texts no longer in the sources stay in the catalogue marked "vanished", with
# their translations, for when they come back.
set(TV_LUPDATE_OPTIONS -silent -I ${CMAKE_SOURCE_DIR} -locations none
    -tr-function-alias QT_TRANSLATE_NOOP+=TV_TEXT)
file(GLOB TV_TS_FILES CONFIGURE_DEPENDS ${TV_TRANSLATIONS_DIR}/*.ts)

add_custom_target(update_translations
    COMMAND ${TV_LUPDATE} ${TV_LUPDATE_OPTIONS} ${TV_TRANSLATED_FOLDERS} -ts ${TV_TS_FILES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Collecting the interface texts into translations/*.ts"
    VERBATIM)

# Builds each catalogue into a .qm and embeds them all in `target` under :/i18n.
function(tv_embed_catalogues target)
    set(qm_files)
    foreach(ts ${TV_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${TV_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} catalogos PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm_files})
endfunction()
