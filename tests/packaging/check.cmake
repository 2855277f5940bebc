# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# MODE install: cmake --install into a fresh prefix; the desktop entry and the AppStream data
# validate, the shell completion completes. MODE deb: cpack builds vennor_<version>_<arch>.deb
# with computed dependencies, left in WORK_DIR for lintian. Either way the files are all there
# and the program answers without a display.
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
set(id io.github.vennor.vennor)
if(MODE STREQUAL "deb")
    expect(0 "" cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")
    file(GLOB deb "${WORK_DIR}/vennor_${VERSION}_*.deb")
    expect(0 "libc6 .*libqt6widgets6 " dpkg-deb --field "${deb}" Depends)
    expect(0 "" dpkg-deb -x "${deb}" "${WORK_DIR}/root")
    expect(0 "^vennor ${VERSION}\nCopyright .*GPL-3.0-or-later" ${prefix}/bin/vennor --version)
else()
    expect(0 "" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
    expect(0 "^$" desktop-file-validate "${prefix}/share/applications/${id}.desktop")
    # Pedantic: any remark at all, not only an error, fails.
    expect(0 "^[^\n]*successful[^\n]*\n$" appstreamcli validate --pedantic --no-net
           "${prefix}/share/metainfo/${id}.metainfo.xml")
    # The newest release of CHANGELOG.md is the one being built.
    file(READ "${prefix}/share/metainfo/${id}.metainfo.xml" metainfo)
    if(NOT metainfo MATCHES "<releases>\n *<release version=\"${VERSION}\"")
        message(FATAL_ERROR "CHANGELOG.md has no release ${VERSION} first")
    endif()
    # A German desktop shows the German summary in its menus and software centre.
    expect(0 "Comment\\[de\\]=Telefonb" grep -F "Comment[de]="
           "${prefix}/share/applications/${id}.desktop")
    expect(0 "<summary xml:lang=\"de\">Telefonb" grep -F "xml:lang=\"de\""
           "${prefix}/share/metainfo/${id}.metainfo.xml")
    expect(0 "^Usage: vennor .*--dial.*Report bugs to <https://[^>]*>\\.\n$"
           ${prefix}/bin/vennor --help)
    expect(2 "no number in it" ${prefix}/bin/vennor tel:)
    set(completion "${prefix}/share/bash-completion/completions/vennor")
    foreach(case "--new|1|--new-book" "--on-existing r|2|replace")
        string(REPLACE "|" ";" case "${case}")
        list(GET case 0 typed)
        list(GET case 1 word)
        list(GET case 2 offered)
        # Lines, not semicolons, which would split the argument into a list here.
        expect(0 "^${offered}\n$" bash -c "source '${completion}'
               COMP_WORDS=(vennor ${typed})
               COMP_CWORD=${word}
               _vennor
               echo \"\${COMPREPLY[*]}\"")
    endforeach()
endif()
foreach(file bin/vennor share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
             share/icons/hicolor/scalable/apps/${id}.svg share/doc/vennor/user-guide.html
             share/icons/hicolor/48x48/apps/${id}.png share/icons/hicolor/256x256/apps/${id}.png
             share/man/man1/vennor.1.gz share/doc/vennor/copyright share/doc/vennor/changelog.gz
             share/doc-base/vennor-user-guide share/bash-completion/completions/vennor
             share/zsh/vendor-completions/_vennor share/doc/vennor/user-guide.de.html
             lib/systemd/user/vennor-watch.service)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "missing: ${prefix}/${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}/root")
