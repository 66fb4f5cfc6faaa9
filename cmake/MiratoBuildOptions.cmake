# One interface target carries what every compiled target of the project is built with: the
# warnings and the checked C library calls. mirato_apply_build_options() hands it to each
# target of a folder and the folders below, once they all exist, so that none is left out.
add_library(mirato_build_options INTERFACE)
target_compile_options(mirato_build_options INTERFACE -Wall -Wextra)
# mingw warns of every friend Qt's headers declare again without dllimport: harmless, and not
# ours to change.
if(WIN32)
    target_compile_options(mirato_build_options INTERFACE -Wno-attributes)
endif()
# Checked string and memory functions where the optimiser can see the sizes (glibc's; mingw's
# would need its stack-protector library linked).
if(NOT WIN32)
    target_compile_definitions(mirato_build_options INTERFACE
                               $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()

# The program's own sources say how each literal becomes a QString (QStringLiteral,
# QLatin1String, QString::fromUtf8): the compiler refuses a bare char* turned into one. Tests,
# benchmarks and fuzz targets compare against plain literals and go without it.
add_library(mirato_program_options INTERFACE)
target_compile_definitions(mirato_program_options INTERFACE QT_NO_CAST_FROM_ASCII)

function(mirato_apply_build_options directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY)$")
            target_link_libraries(${target} PRIVATE mirato_build_options)
            get_target_property(folder ${target} SOURCE_DIR)
            if(NOT folder MATCHES "^${PROJECT_SOURCE_DIR}/(tests|bench|fuzz)(/|$)")
                target_link_libraries(${target} PRIVATE mirato_program_options)
            endif()
        endif()
    endforeach()
    get_property(folders DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        mirato_apply_build_options(${folder})
    endforeach()
endfunction()
