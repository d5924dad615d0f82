# The Windows packages: a portable zip and an installer, written into package/ of the build
# by cmake/windows_packages.py, with what the program loads and nothing more.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(MAKENSIS makensis REQUIRED)
find_file(QT_BULGARIAN qtbase_bg.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(qt ${TARVELLO_WINDOWS_QT_PREFIX})
set(files
    $<TARGET_FILE:tarvello>=tarvello.exe
    ${qt}/bin/Qt6Core.dll=Qt6Core.dll
    ${qt}/bin/Qt6Gui.dll=Qt6Gui.dll
    ${qt}/bin/Qt6Widgets.dll=Qt6Widgets.dll
    ${qt}/plugins/platforms/qwindows.dll=platforms/qwindows.dll
    ${QT_BULGARIAN}=translations/qtbase_bg.qm
    /usr/share/common-licenses/LGPL-3=licences/Qt-LGPL-3.txt
    /usr/share/common-licenses/GPL-3=licences/GPL-3.txt
    ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt=licences/LiberationSerif-OFL.txt)
# The MinGW-w64 runtime, where the compiler has it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND files ${path}=${dll})
endforeach()

set(package_base ${PROJECT_BINARY_DIR}/package/tarvello-${PROJECT_VERSION}-win64)
add_custom_command(OUTPUT ${package_base}.zip ${package_base}.exe
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/windows_packages.py
        --name tarvello --version ${PROJECT_VERSION} --publisher ${TARVELLO_PUBLISHER}
        --strip ${CMAKE_STRIP} --makensis ${MAKENSIS} --out ${PROJECT_BINARY_DIR}/package
        --icon ${TARVELLO_ICON_DIR}/tarvello.ico ${files}
    DEPENDS tarvello ${CMAKE_CURRENT_LIST_DIR}/windows_packages.py
    VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${package_base}.zip ${package_base}.exe)
