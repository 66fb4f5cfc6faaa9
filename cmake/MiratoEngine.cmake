# mirato_engine(<name> SOURCES <file>... LIBS <target>...)
#
# A playback engine plug-in: the module libmirato-<name>.so in the engines' folder, whose
# engine.json says what it plays. Every engine is listed in the global property MIRATO_ENGINES,
# so installing and the tests take a new one without naming it.
function(mirato_engine name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    set(target mirato-${name})
    add_library(${target} MODULE ${ARG_SOURCES})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PRIVATE Qt6::Core ${ARG_LIBS})
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${MIRATO_BACKEND_DIR}
                                               PREFIX "lib")
    set_property(GLOBAL APPEND PROPERTY MIRATO_ENGINES ${target})
endfunction()
