# mirato_library(<folder> [DEPENDS <lib>...] [QT <component>...])
#
# One static library per folder of src/, named mirato_<folder>, built from every .cpp in that
# folder. A folder without sources yet becomes an INTERFACE library so that dependants can
# already name it. DEPENDS lists exactly the folders below it that it uses.
function(mirato_library folder)
    cmake_parse_arguments(ARG "" "" "DEPENDS;QT" ${ARGN})
    set(target mirato_${folder})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    set(qt_libs)
    foreach(component IN LISTS ARG_QT)
        list(APPEND qt_libs Qt6::${component})
    endforeach()
    if(sources)
        add_library(${target} STATIC ${sources} ${headers})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} ${qt_libs})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS} ${qt_libs})
    endif()
endfunction()
