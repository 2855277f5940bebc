# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts in place, and the Debian package made of it (cpack -G DEB).
include(GNUInstallDirs)

set(VENNOR_APP_ID io.github.vennor.vennor)
set(VENNOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vennor)
set(VENNOR_MAINTAINER "The Vennor developers <vennor@example.org>")
install(TARGETS vennor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The rest is for the desktops and distributions of Unix systems.
if(NOT UNIX)
    return()
endif()
set(made ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${made})

# Made at build time from the one source of each: the release history in the AppStream data
# and the package's changelog from CHANGELOG.md, the manual page from its scdoc source, the
# PNG icons (which software centres and older desktops want beside the SVG) from the SVG.
find_program(SCDOC scdoc REQUIRED)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(changelog_script ${PROJECT_SOURCE_DIR}/cmake/changelog.cmake)
set(changelog ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set(metainfo_template ${PROJECT_SOURCE_DIR}/packaging/${VENNOR_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${made}/${VENNOR_APP_ID}.metainfo.xml
                   COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${changelog} -DMODE=appstream
                           -DTEMPLATE=${metainfo_template}
                           -DOUTPUT=${made}/${VENNOR_APP_ID}.metainfo.xml -P ${changelog_script}
                   DEPENDS ${changelog} ${changelog_script} ${metainfo_template}
                   COMMENT "AppStream data with the releases of CHANGELOG.md" VERBATIM)
# gzip -n: no name or time inside, so that the same sources make the same package.
add_custom_command(OUTPUT ${made}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${changelog} -DMODE=debian
                           -DPACKAGE=vennor "-DMAINTAINER=${VENNOR_MAINTAINER}"
                           -DOUTPUT=${made}/changelog -P ${changelog_script}
                   COMMAND ${GZIP} -9nf ${made}/changelog
                   DEPENDS ${changelog} ${changelog_script}
                   COMMENT "Package changelog from CHANGELOG.md" VERBATIM)
add_custom_command(OUTPUT ${made}/vennor.1.gz
                   COMMAND sh -c "'${SCDOC}' < '${PROJECT_SOURCE_DIR}/docs/vennor.1.scd' > '${made}/vennor.1'"
                   COMMAND ${GZIP} -9nf ${made}/vennor.1
                   DEPENDS ${PROJECT_SOURCE_DIR}/docs/vennor.1.scd
                   COMMENT "Manual page vennor(1)" VERBATIM)
set(icon_sizes 48 64 128 256)
set(made_files ${made}/${VENNOR_APP_ID}.metainfo.xml ${made}/changelog.gz ${made}/vennor.1.gz)
foreach(size IN LISTS icon_sizes)
    set(png ${made}/icons/${size}/${VENNOR_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${made}/icons/${size}
                       COMMAND ${RSVG_CONVERT} --width ${size} --height ${size}
                               --output ${png} ${PROJECT_SOURCE_DIR}/resources/icons/vennor.svg
                       DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/vennor.svg
                       COMMENT "Icon ${size}x${size}" VERBATIM)
    list(APPEND made_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${made_files})

install(FILES packaging/${VENNOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${made}/${VENNOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/vennor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VENNOR_APP_ID}.svg)
install(FILES ${made}/vennor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The program shows the guide from its resources; the copy here is for reading without it,
# registered with doc-base so that documentation browsers list it.
install(FILES resources/help/guide.html
        DESTINATION ${VENNOR_DOC_DIR} RENAME user-guide.html)
# vennor --watch as a user service; systemd finds the program on its own search path.
install(FILES packaging/vennor-watch.service DESTINATION lib/systemd/user)
install(FILES resources/help/guide_de.html
        DESTINATION ${VENNOR_DOC_DIR} RENAME user-guide.de.html)
install(FILES packaging/copyright ${made}/changelog.gz DESTINATION ${VENNOR_DOC_DIR})
# Tags lintian raises that the package keeps on purpose, each with its reason.
install(FILES packaging/vennor.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vennor)
install(FILES packaging/vennor.doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
        RENAME vennor-user-guide)
set(VENNOR_ZSH_COMPLETIONS ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
    CACHE STRING "Where zsh finds the completion of vennor (relative to the prefix)")
install(FILES packaging/completions/vennor.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vennor)
install(FILES packaging/completions/_vennor DESTINATION ${VENNOR_ZSH_COMPLETIONS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vennor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VENNOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "phone book and modem dialer")
# Wrapped at 80 columns, as dpkg shows it.
set(CPACK_PACKAGE_DESCRIPTION
    "Vennor keeps named phone books of contacts: a name, an e-mail address, a postal
address, a comment and any number of telephone numbers, each with its type. It
finds records by name, by number or by a wildcard pattern, prints them two
columns to a page, backs phone books up and restores them, and dials the chosen
number through a Hayes modem on a serial port. It opens tel: links from web
pages and other programs.

Phone books can be imported from and exported to vCard files, and shared with
other computers and phones through a CardDAV server. All of this also runs from
the command line, without a display.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/vennor/vennor")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_STRIP_FILES ON)
# strip leaves the compiler's notes in .comment and .note, which a package does not carry.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/stripnotes.cmake)
set(CPACK_OBJCOPY ${CMAKE_OBJCOPY})
# The libraries the program links are found by dpkg-shlibdeps; the Qt plugins it loads at run
# time (the X11/Wayland platform and the SVG icon engine) are invisible to it and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own dialogs and key names in the user's language; English without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
