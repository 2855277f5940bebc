# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed files and the Debian package, checked as a user or a distribution would.
foreach(mode install deb)
    add_test(NAME packaging_${mode}
             COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                     -DVERSION=${PROJECT_VERSION} -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/${mode}-check
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/check.cmake)
    set_tests_properties(packaging_${mode} PROPERTIES LABELS packaging TIMEOUT 600)
endforeach()
# lintian --pedantic on the package packaging_deb made; reuse lint on the sources. Each is
# skipped, saying so, where its tool is missing.
set(lint ${CMAKE_CURRENT_SOURCE_DIR}/packaging/lint.sh)
add_test(NAME packaging_lintian COMMAND ${lint} package ${CMAKE_CURRENT_BINARY_DIR}/deb-check)
add_test(NAME licensing COMMAND ${lint} sources ${PROJECT_SOURCE_DIR})
set_tests_properties(packaging_deb PROPERTIES FIXTURES_SETUP package)
set_tests_properties(packaging_lintian PROPERTIES FIXTURES_REQUIRED package)
set_tests_properties(packaging_lintian licensing PROPERTIES LABELS packaging TIMEOUT 600
                                                            SKIP_RETURN_CODE 77)
add_test(NAME documented_options
         COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vennor>
                 -DMANPAGE=${PROJECT_BINARY_DIR}/packaging/vennor.1.gz
                 -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/documented.cmake)
set_tests_properties(documented_options PROPERTIES LABELS packaging)
