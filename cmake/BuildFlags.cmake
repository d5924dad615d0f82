# The compiler and linker flags of the project's own targets, chosen by compiler, on one
# INTERFACE target that each of them links: warnings, sanitizers, fuzzing, coverage and
# hardening. Qt's flags and other projects' are left alone.
add_library(tarvello_build_flags INTERFACE)

if(MSVC)
    target_compile_options(tarvello_build_flags INTERFACE /W4 /permissive- /utf-8
        $<$<BOOL:${TARVELLO_WARNINGS_AS_ERRORS}>:/WX>)
    if(TARVELLO_SANITIZE)
        target_compile_options(tarvello_build_flags INTERFACE /fsanitize=address)
    endif()
    # Control-flow guard; ASLR and DEP are the linker's defaults.
    target_compile_options(tarvello_build_flags INTERFACE /guard:cf)
    target_link_options(tarvello_build_flags INTERFACE /guard:cf)
    return()
endif()

target_compile_options(tarvello_build_flags INTERFACE -Wall -Wextra -Wpedantic
    $<$<BOOL:${TARVELLO_WARNINGS_AS_ERRORS}>:-Werror>)
if(TARVELLO_SANITIZE)
    target_compile_options(tarvello_build_flags INTERFACE -fsanitize=address,undefined
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tarvello_build_flags INTERFACE -fsanitize=address,undefined)
endif()
if(TARVELLO_FUZZ)
    target_compile_options(tarvello_build_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()
if(TARVELLO_COVERAGE)
    target_compile_options(tarvello_build_flags INTERFACE --coverage)
    target_link_options(tarvello_build_flags INTERFACE --coverage)
endif()

# Position-independent executables (CMAKE_POSITION_INDEPENDENT_CODE, set by the presets),
# full RELRO with immediate binding, stack protector and _FORTIFY_SOURCE (which needs
# optimisation, so not in Debug builds).
include(CheckPIESupported)
check_pie_supported()
# No folder of the machine that built it in what is built: the same bytes from any folder.
target_compile_options(tarvello_build_flags INTERFACE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
if(EMSCRIPTEN)
    # WebAssembly has no stack to smash and no ELF to harden. The core's run-time errors are
    # exceptions, caught where the page's click started them.
    target_compile_options(tarvello_build_flags INTERFACE -fexceptions)
    target_link_options(tarvello_build_flags INTERFACE -fexceptions)
elseif(NOT WIN32)
    target_compile_options(tarvello_build_flags INTERFACE -fstack-protector-strong
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
    target_link_options(tarvello_build_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
