# Installation (GNU layout) with the Linux desktop integration, and a Debian package.
include(GNUInstallDirs)

set(TARVELLO_APP_ID org.example.Tarvello)
set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS tarvello RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop}/${TARVELLO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${desktop}/${TARVELLO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${TARVELLO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TARVELLO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${icons}/${TARVELLO_APP_ID}-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TARVELLO_APP_ID}.png)
endforeach()
install(FILES ${icons}/${TARVELLO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvello)
set(CPACK_PACKAGE_VENDOR ${TARVELLO_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${TARVELLO_PUBLISHER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom exercise: order kinds of trousers by length")
set(CPACK_PACKAGE_DESCRIPTION
    "A classroom exercise in Bulgarian: the pupil picks seven kinds of trousers from the\n"
    "shortest to the longest, and the program says whether the order is right.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${TARVELLO_PUBLISHER}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not shared-library dependencies, so not found by shlibdeps: the X11 platform plugin, the
# Times New Roman metric twin and Qt's Bulgarian translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
