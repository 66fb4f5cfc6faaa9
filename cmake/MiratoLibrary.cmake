# mirato_library(<folder> SOURCES <file>... [DEPENDS <lib>...] [QT <component>...]
#                [WINDOW <class>... WINDOW_DEPENDS <lib>...])
#
# One static library per folder of src/, named mirato_<folder>, built from the files SOURCES
# names (relative to the folder, headers included, so that moc sees every Q_OBJECT). A folder
# without sources yet becomes an INTERFACE library so that dependants can already name it.
# DEPENDS lists exactly the folders below it that it uses.
#
# WINDOW names the folder's window classes: their file pairs go into mirato_<folder>_window,
# which links QtWidgets and WINDOW_DEPENDS, so the logic in mirato_<folder> stays without widgets.
function(mirato_library folder)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;QT;WINDOW;WINDOW_DEPENDS" ${ARGN})
    set(target mirato_${folder})
    set(files)
    foreach(file IN LISTS ARG_SOURCES)
        list(APPEND files ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    endforeach()
    set(window_files)
    foreach(class IN LISTS ARG_WINDOW)
        list(APPEND window_files ${CMAKE_CURRENT_SOURCE_DIR}/${class}.cpp
                                 ${CMAKE_CURRENT_SOURCE_DIR}/${class}.h)
    endforeach()
    set(qt_libs)
    foreach(component IN LISTS ARG_QT)
        list(APPEND qt_libs Qt6::${component})
    endforeach()
    set(sources ${files})
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(sources)
        add_library(${target} STATIC ${files})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} ${qt_libs})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS} ${qt_libs})
    endif()
    if(ARG_WINDOW)
        add_library(${target}_window STATIC ${window_files})
        target_link_libraries(${target}_window PUBLIC ${target} ${ARG_WINDOW_DEPENDS} Qt6::Widgets)
    endif()
endfunction()

# mirato_check_without_widgets(<target>...)
#
# Stops the configuration when one of the libraries that decide reaches QtWidgets or QtGui
# through what it links.
function(mirato_check_without_widgets)
    foreach(target IN LISTS ARGN)
        mirato_libraries_below(reached ${target})
        foreach(lib IN LISTS reached)
            if(lib MATCHES "^Qt6::(Widgets|Gui)$")
                message(FATAL_ERROR "${target} decides, so it must not link ${lib}")
            endif()
        endforeach()
    endforeach()
endfunction()

# mirato_libraries_below(<out> <target>...)
#
# Every library the targets reach through what they link, the targets included: the project's
# own by name, the outside ones as they are named (imported targets, plain names).
function(mirato_libraries_below out)
    set(pending ${ARGN})
    set(seen)
    while(pending)
        list(POP_FRONT pending current)
        # A static library's private dependencies are named $<LINK_ONLY:...>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" current "${current}")
        if(current IN_LIST seen OR current STREQUAL "" OR current MATCHES "^\\$<")
            continue()
        endif()
        list(APPEND seen ${current})
        if(NOT TARGET ${current})
            continue()
        endif()
        # An outside library brings its own.
        set(links)
        if(current MATCHES "^mirato_")
            get_target_property(type ${current} TYPE)
            if(type STREQUAL "INTERFACE_LIBRARY")
                get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
            else()
                get_target_property(links ${current} LINK_LIBRARIES)
            endif()
        endif()
        if(links)
            list(APPEND pending ${links})
        endif()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()
