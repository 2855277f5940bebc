# Shared by the packaging checks: run a command, fail with its output when it fails.
function(run_checked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${status}):\n${out}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(installed_files
    bin/vennor
    share/applications/org.vennor.Vennor.desktop
    share/metainfo/org.vennor.Vennor.metainfo.xml
    share/icons/hicolor/scalable/apps/org.vennor.Vennor.svg
    share/doc/vennor/user-guide.html)

function(expect_installed root)
    foreach(file IN LISTS installed_files)
        if(NOT EXISTS "${root}/${file}")
            message(FATAL_ERROR "missing: ${root}/${file}")
        endif()
    endforeach()
endfunction()

# Runs the program without any display: --help and --version must not need one.
function(expect_output program expected_status expected_pattern)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${program} ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL expected_status OR NOT out MATCHES "${expected_pattern}")
        message(FATAL_ERROR "vennor ${ARGN}: status ${status}, output:\n${out}")
    endif()
endfunction()
