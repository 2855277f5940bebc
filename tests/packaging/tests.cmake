# The installed files and the Debian package, checked as a user or a distribution would.
# Slow (an install, a package build): label "packaging".
add_test(NAME install_validates
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/install-check
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/checkinstall.cmake)
add_test(NAME deb_package
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/deb-check
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/checkdeb.cmake)
set_tests_properties(install_validates deb_package PROPERTIES LABELS packaging TIMEOUT 600)
