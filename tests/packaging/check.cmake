# MODE install: cmake --install into a fresh prefix; the desktop entry and the AppStream data
# validate. MODE deb: cpack builds vennor_<version>_<arch>.deb with computed dependencies.
# Either way the files are all there and the program answers without a display.
function(expect status pattern) # then the command; its output must match pattern
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${ARGN}
                    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT got EQUAL status OR NOT out MATCHES "${pattern}")
        message(FATAL_ERROR "${ARGN}: status ${got}, output:\n${out}")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/root/usr")
set(id org.vennor.Vennor)
if(MODE STREQUAL "deb")
    expect(0 "" cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")
    file(GLOB deb "${WORK_DIR}/vennor_${VERSION}_*.deb")
    expect(0 "libc6 .*libqt6widgets6 " dpkg-deb --field "${deb}" Depends)
    expect(0 "" dpkg-deb -x "${deb}" "${WORK_DIR}/root")
    expect(0 "^vennor ${VERSION}\n$" ${prefix}/bin/vennor --version)
else()
    expect(0 "" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
    expect(0 "^$" desktop-file-validate "${prefix}/share/applications/${id}.desktop")
    expect(0 "" appstreamcli validate --no-net "${prefix}/share/metainfo/${id}.metainfo.xml")
    # A German desktop shows the German summary in its menus and software centre.
    expect(0 "Comment\\[de\\]=Telefonb" grep -F "Comment[de]="
           "${prefix}/share/applications/${id}.desktop")
    expect(0 "<summary xml:lang=\"de\">Telefonb" grep -F "xml:lang=\"de\""
           "${prefix}/share/metainfo/${id}.metainfo.xml")
    expect(0 "^Usage: vennor .*--dial" ${prefix}/bin/vennor --help)
    expect(2 "no number in it" ${prefix}/bin/vennor tel:)
endif()
foreach(file bin/vennor share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
             share/icons/hicolor/scalable/apps/${id}.svg share/doc/vennor/user-guide.html
             share/doc/vennor/user-guide.de.html)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "missing: ${prefix}/${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
