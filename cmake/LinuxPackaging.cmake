# Installation (GNU layout) with the Linux desktop integration, and a Debian package.

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS tarvello RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop}/${TARVELLO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${desktop}/${TARVELLO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${TARVELLO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TARVELLO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Every PNG size that resources/make_icons.py writes, each in its own size's folder.
file(GLOB icon_pictures CONFIGURE_DEPENDS ${TARVELLO_ICON_DIR}/${TARVELLO_APP_ID}-*.png)
foreach(picture ${icon_pictures})
    string(REGEX REPLACE ".*-([0-9]+)\\.png$" "\\1" size ${picture})
    install(FILES ${picture}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TARVELLO_APP_ID}.png)
endforeach()
install(FILES ${TARVELLO_ICON_DIR}/${TARVELLO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package's documents: a machine-readable copyright file, the changelog and the
# manual page, compressed as Debian wants them (gzip -9, no time stamp).
string(REGEX REPLACE "^www\\." "" publisher_domain ${TARVELLO_PUBLISHER})
set(TARVELLO_MAINTAINER "${PROJECT_NAME} <info@${publisher_domain}>")
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarvello)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in
    ${PROJECT_BINARY_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
    ${PROJECT_BINARY_DIR}/changelog @ONLY)
set(compressed)
foreach(file ${PROJECT_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/resources/man/tarvello.1)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.gz
        COMMAND gzip -9 -n -c ${file} > ${PROJECT_BINARY_DIR}/${name}.gz
        DEPENDS ${file} VERBATIM)
    list(APPEND compressed ${PROJECT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(tarvello_package_documents ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${doc_dir})
install(FILES ${PROJECT_BINARY_DIR}/tarvello.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvello)
set(CPACK_PACKAGE_VENDOR ${TARVELLO_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${TARVELLO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom exercise: order kinds of trousers by length")
set(CPACK_PACKAGE_DESCRIPTION "A classroom exercise in Bulgarian: the pupil picks seven kinds of \
trousers\nfrom the shortest to the longest, and the program says whether the order\nis right.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${TARVELLO_PUBLISHER}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not shared-library dependencies, so not found by shlibdeps: the X11 platform plugin and
# Qt's Bulgarian translations. Recommended: the Wayland platform plugin, without which Qt
# falls back to X11 (XWayland) on a Wayland desktop, and the system's Liberation Serif, which
# the user's font settings apply to (the program carries its own copy for where it is
# missing).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
