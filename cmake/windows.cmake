# The Windows build: MinGW-w64, with the Qt for Windows that tools/windows-qt finds, whose
# tools (moc, rcc) are the Linux Qt's of the same version. Programs built run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

if(NOT TARVELLO_WINDOWS_QT_PREFIX)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tools/windows-qt prefix
        OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE found)
    if(NOT found EQUAL 0)
        message(FATAL_ERROR "No Qt for Windows found (see tools/windows-qt)")
    endif()
    set(TARVELLO_WINDOWS_QT_PREFIX ${prefix} CACHE PATH "Qt for Windows")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARVELLO_WINDOWS_QT_PREFIX)
list(PREPEND CMAKE_PREFIX_PATH ${TARVELLO_WINDOWS_QT_PREFIX}/lib/cmake)
list(PREPEND CMAKE_FIND_ROOT_PATH ${TARVELLO_WINDOWS_QT_PREFIX})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine.sh)
