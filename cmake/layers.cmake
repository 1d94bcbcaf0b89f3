# The layers of the program and what each folder may include.
#
# Every folder is seen by the compiler through its own include view: a folder
# in the build tree holding one link, named like the folder, to the folder in
# the sources. A target sees only the views of itself and of the targets it
# links, so "#include "tablorix_to_dae/..."" from dae_to_tablorix/ finds no
# file. check_layers.cmake reads every #include against TV_LAYER_RULES as well,
# so a wrong include also fails where a view would let it through (tests,
# a header nobody compiles yet, a Qt header in the core).

# Folder, then the folders its files may include besides itself.
set(TV_LAYER_RULES
    "tables:"
    "common:tables"
    "tablorix_schema:tables"
    "dae_to_tablorix:tablorix_schema,common,tables"
    "tablorix_to_dae:tablorix_schema,common,tables"
    "cli:dae_to_tablorix,tablorix_to_dae,tablorix_schema,common,tables"
    "app:dae_to_tablorix,tablorix_to_dae,tablorix_schema,common,tables"
    "bench:dae_to_tablorix,tablorix_to_dae,tablorix_schema,common,tables"
    "fuzz:cli,app,dae_to_tablorix,tablorix_to_dae,tablorix_schema,common,tables"
    "tests:common,tables"
    "tests/tables:tests,common,tables"
    "tests/dae_to_tablorix:tests,dae_to_tablorix,tablorix_schema,common,tables"
    "tests/tablorix_to_dae:tests,tablorix_to_dae,tablorix_schema,common,tables"
    "tests/cli:tests,tables"
    "tests/app:tests,app,dae_to_tablorix,tablorix_to_dae,tablorix_schema,common,tables")

# Folders whose files must not include Qt (the core stays plain C++).
set(TV_LAYERS_WITHOUT_QT tables common tablorix_schema dae_to_tablorix tablorix_to_dae)

# The include view of `folder`: ${CMAKE_BINARY_DIR}/include-view/<folder>/<folder>.
function(tv_include_view folder out)
    string(REPLACE "/" "_" name "${folder}")
    set(view "${CMAKE_BINARY_DIR}/include-view/${name}")
    get_filename_component(parent "${view}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    if(NOT IS_SYMLINK "${view}/${folder}")
        file(CREATE_LINK "${CMAKE_SOURCE_DIR}/${folder}" "${view}/${folder}" SYMBOLIC)
    endif()
    set(${out} "${view}" PARENT_SCOPE)
endfunction()

# A static library for one layer folder: its sources, its view made public
# and the layers below it linked publicly.
function(tv_add_layer target folder)
    cmake_parse_arguments(LAYER "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${target} STATIC ${LAYER_SOURCES})
    tv_include_view(${folder} view)
    target_include_directories(${target} PUBLIC "${view}")
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_link_libraries(${target} PUBLIC ${LAYER_LINKS})
    # The includes are checked before any layer compiles.
    if(TARGET layer_check)
        add_dependencies(${target} layer_check)
    endif()
endfunction()

# The include check, run on every build whose sources changed (before the
# layers compile), and as the test layer_includes.
function(tv_add_layer_check)
    set(folders)
    foreach(rule IN LISTS TV_LAYER_RULES)
        string(REGEX REPLACE ":.*" "" folder "${rule}")
        list(APPEND folders "${CMAKE_SOURCE_DIR}/${folder}/*.h" "${CMAKE_SOURCE_DIR}/${folder}/*.cpp")
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${folders})
    set(script "${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake")
    set(stamp "${CMAKE_BINARY_DIR}/layer_check.stamp")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND ${CMAKE_COMMAND} -DTV_SOURCE_DIR=${CMAKE_SOURCE_DIR} -P "${script}"
        COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
        DEPENDS ${sources} "${script}" "${CMAKE_SOURCE_DIR}/cmake/layers.cmake"
        COMMENT "Checking the includes of each layer"
        VERBATIM)
    add_custom_target(layer_check ALL DEPENDS "${stamp}")
endfunction()
