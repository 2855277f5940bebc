# What `cmake --install` puts in place, and the Debian package made of it (cpack -G DEB).
include(GNUInstallDirs)

set(VENNOR_APP_ID org.vennor.Vennor)
install(TARGETS vennor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${VENNOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${VENNOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/vennor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VENNOR_APP_ID}.svg)
# The program shows the guide from its resources; the copy here is for reading without it.
install(FILES resources/help/guide.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vennor RENAME user-guide.html)
install(FILES resources/help/guide_de.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vennor RENAME user-guide.de.html)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vennor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Vennor developers <vennor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "phone book and modem dialer")
set(CPACK_PACKAGE_DESCRIPTION
    "Vennor keeps named phone books of contacts and dials their numbers through a Hayes modem on a serial port. It opens tel: links.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_STRIP_FILES ON)
# The libraries the program links are found by dpkg-shlibdeps; the Qt plugins it loads at run
# time (the X11/Wayland platform and the SVG icon engine) are invisible to it and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own dialogs and key names in the user's language; English without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
