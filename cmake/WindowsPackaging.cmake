# The Windows install: one folder with the program, the Qt and MinGW-w64 DLLs it loads, the
# platform plugin, Qt's Bulgarian translations, a qt.conf that points Qt at them, and the
# licences.
find_program(MAKENSIS makensis REQUIRED)
find_file(QT_BULGARIAN qtbase_bg.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# The MinGW-w64 runtime, where the compiler has it; tests/windows/wine.sh reads it here too.
set(runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND runtime ${path})
endforeach()
set(TARVELLO_WINDOWS_RUNTIME ${runtime} CACHE INTERNAL "The MinGW-w64 runtime DLLs")

set(qt ${TARVELLO_WINDOWS_QT_PREFIX})
# Beside the installed program only: not in the build, where Qt finds its own plugins.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/install/qt.conf NEWLINE_STYLE CRLF
    CONTENT "[Paths]\nPrefix = .\nPlugins = .\n")
install(TARGETS tarvello RUNTIME DESTINATION .)
install(FILES ${qt}/bin/Qt6Core.dll ${qt}/bin/Qt6Gui.dll ${qt}/bin/Qt6Widgets.dll ${runtime}
    ${PROJECT_BINARY_DIR}/install/qt.conf DESTINATION .)
install(FILES ${qt}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${QT_BULGARIAN} DESTINATION translations)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.txt)
install(FILES ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt DESTINATION licences
    RENAME LiberationSerif-OFL.txt)
# `--strip` strips only the program; the DLLs, the MinGW runtime's above all, carry symbols too.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
            if(file MATCHES [[\\.dll$]])
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${file}
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endforeach()
    endif()")

# The packages, made by `cmake --build BUILD --target windows_packages` into package/: a zip,
# an installer and an MSI of the install, by WindowsPackages.cmake. Not by CPack: its ZIP and
# NSIS generators list the files in the order the file system gives, and its zip holds the
# builder's user and group, so that two builds of one source differ.
set(package_stage ${PROJECT_BINARY_DIR}/package-stage)
set(package_base ${PROJECT_BINARY_DIR}/package/tarvello-${PROJECT_VERSION}-win64)
# The MSI's UpgradeCode, one for every version: the MSI of a newer version replaces any
# installed one that has it. Never change it, or the next MSI installs beside 1.0.0's. The
# ProductCode of each version and the shortcut's component code are named from it.
set(msi_upgrade_code D1C8AE9D-3F02-51F1-AF58-13B5D1A20CCF)
string(UUID msi_product_code NAMESPACE ${msi_upgrade_code} NAME ${PROJECT_VERSION} TYPE SHA1
    UPPER)
string(UUID msi_shortcut_code NAMESPACE ${msi_upgrade_code} NAME StartMenuEntry TYPE SHA1 UPPER)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tarvello.wxs.in ${PROJECT_BINARY_DIR}/tarvello.wxs @ONLY)
# The installer, which refuses to install over the MSI's product, knows it by its UpgradeCode.
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi
    @ONLY)
find_program(ZIP zip REQUIRED)
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
find_program(FAKETIME faketime REQUIRED)
# The winget manifests' facts, from the packages' own: the identifier is the publisher's name
# and the program's; the description is the Bulgarian summary of the AppStream metainfo.
string(REGEX REPLACE "^(www\\.)?([^.]+)\\..*$" "\\2" winget_publisher ${TARVELLO_PUBLISHER})
string(SUBSTRING ${winget_publisher} 0 1 first)
string(SUBSTRING ${winget_publisher} 1 -1 rest)
string(TOUPPER ${first} first)
set(winget_publisher ${first}${rest})
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/desktop/${TARVELLO_APP_ID}.metainfo.xml.in summary
    REGEX "<summary xml:lang=\"bg\">" ENCODING UTF-8)
string(REGEX REPLACE ".*<summary xml:lang=\"bg\">(.*)</summary>.*" "\\1" summary "${summary}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/windows-packages.cmake @ONLY CONTENT [[
set(BUILD "@PROJECT_BINARY_DIR@")
set(STAGE "@package_stage@")
set(FOLDER "@PROJECT_NAME@")
set(BASE "@package_base@")
set(INSTALLER "@PROJECT_BINARY_DIR@/installer.nsi")
set(MSI "@PROJECT_BINARY_DIR@/tarvello.wxs")
set(UPGRADE_CODE "@msi_upgrade_code@")
set(PRODUCT_CODE "@msi_product_code@")
set(ICON "@TARVELLO_ICON_DIR@/tarvello.ico")
set(NAME "@PROJECT_NAME@")
set(VERSION "@PROJECT_VERSION@")
set(PUBLISHER "@TARVELLO_PUBLISHER@")
set(LICENCE "@TARVELLO_LICENCE@")
set(SUMMARY "@summary@")
set(RELEASE_URL "@TARVELLO_RELEASE_URL@")
set(WINGET_ID "@winget_publisher@.@PROJECT_NAME@")
set(SIGN "@CMAKE_CURRENT_LIST_DIR@/sign.sh")
set(WINGET "@CMAKE_CURRENT_LIST_DIR@/winget")
set(MAKENSIS "@MAKENSIS@")
set(ZIP "@ZIP@")
set(WIXL "@WIXL@")
set(WIXL_HEAT "@WIXL_HEAT@")
set(MSIBUILD "@MSIBUILD@")
set(FAKETIME "@FAKETIME@")
]])
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -D SETTINGS=${PROJECT_BINARY_DIR}/windows-packages.cmake
        -P ${CMAKE_CURRENT_LIST_DIR}/WindowsPackages.cmake
    DEPENDS tarvello VERBATIM)
