# Common settings every Fibrolog target gets: warnings, sanitizers.

set(FIBROLOG_WARNINGS -Wall -Wextra -Wpedantic)
if(FIBROLOG_WERROR)
    list(APPEND FIBROLOG_WARNINGS -Werror)
endif()

if(FIBROLOG_SANITIZE)
    set(FIBROLOG_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    # -O1 halves the instrumented tests' run time and compiles nearly as fast as -O0.
    add_compile_options(-O1)
    add_compile_options(${FIBROLOG_SANITIZER_FLAGS})
    add_link_options(${FIBROLOG_SANITIZER_FLAGS})
endif()

function(fibrolog_target_defaults target)
    target_compile_options(${target} PRIVATE ${FIBROLOG_WARNINGS})
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY)
endfunction()

# QtCore without the root of Qt's headers: the core libraries see <QtCore/...>
# and QtCore's own headers, but <QtGui/...> or <QtWidgets/...> does not
# compile there. Qt6::Core itself would add the root of all Qt headers.
function(fibrolog_define_qt_core_only)
    get_target_property(core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    get_target_property(platform_includes Qt6::Platform INTERFACE_INCLUDE_DIRECTORIES)
    set(qt_core_folder "")
    foreach(folder IN LISTS core_includes)
        if(folder MATCHES "/QtCore$")
            set(qt_core_folder ${folder})
        endif()
    endforeach()
    set(root ${CMAKE_BINARY_DIR}/qt-core-only)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${qt_core_folder} ${root}/QtCore SYMBOLIC)
    set(includes ${qt_core_folder} ${root})
    foreach(folder IN LISTS platform_includes)
        if(folder MATCHES "mkspecs")
            list(APPEND includes ${folder})
        endif()
    endforeach()

    add_library(FibrologQtCoreOnly INTERFACE)
    target_include_directories(FibrologQtCoreOnly SYSTEM INTERFACE ${includes})
    target_compile_definitions(FibrologQtCoreOnly INTERFACE QT_CORE_LIB $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG>)
    target_compile_options(FibrologQtCoreOnly INTERFACE -fPIC)
    target_compile_features(FibrologQtCoreOnly INTERFACE cxx_std_17)
    find_package(Threads REQUIRED)
    target_link_libraries(FibrologQtCoreOnly INTERFACE $<TARGET_FILE:Qt6::Core> Threads::Threads)
    set_target_properties(FibrologQtCoreOnly PROPERTIES INTERFACE_QT_MAJOR_VERSION 6)
endfunction()

# fibrolog_core_library(name FOLDER folder [DEPENDS lower layers...] SOURCES ...)
# One layer of the headless core. Its include root holds its own folder
# only; the layers it depends on bring theirs. So a file that includes a
# header of a higher layer does not find it, and the build fails there.
function(fibrolog_core_library name)
    cmake_parse_arguments(ARG "" "FOLDER" "DEPENDS;SOURCES" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    fibrolog_target_defaults(${name})
    fibrolog_layer_root(${name} ${ARG_FOLDER})
    target_link_libraries(${name} PUBLIC FibrologQtCoreOnly ${ARG_DEPENDS})
endfunction()

# Gives `target` an include root in the build tree that holds the named
# folders of src/ (and nothing else).
function(fibrolog_layer_root target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(MAKE_DIRECTORY ${root})
    # A folder a layer no longer reaches must go from a configured build
    # tree too, or the build would go on finding its headers there. Only the
    # links are removed, never what they point to.
    file(GLOB entries LIST_DIRECTORIES true ${root}/*)
    foreach(entry IN LISTS entries)
        get_filename_component(name ${entry} NAME)
        if(IS_SYMLINK ${entry} AND NOT name IN_LIST ARGN)
            file(REMOVE ${entry})
        endif()
    endforeach()
    foreach(folder IN LISTS ARGN)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
