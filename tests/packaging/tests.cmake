# The installed files and the Debian package, checked as a user or a distribution would.
foreach(mode install deb)
    add_test(NAME packaging_${mode}
             COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                     -DVERSION=${PROJECT_VERSION} -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/${mode}-check
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/check.cmake)
    set_tests_properties(packaging_${mode} PROPERTIES LABELS packaging TIMEOUT 600)
endforeach()
