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
