# Position-independent executables, full RELRO with immediate binding, stack protector and
# _FORTIFY_SOURCE (which needs optimisation, so not in Debug builds).
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
if(NOT WIN32)
    add_compile_options(-fstack-protector-strong
        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
