# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page reads without a warning from man, and every option --help lists is
# described in it, in the README and offered by both shell completions.
# cmake -DPROGRAM=<vennor> -DMANPAGE=<vennor.1.gz> -DSOURCE_DIR=<root> -P documented.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 LC_ALL=C.UTF-8
                        man --warnings -l ${MANPAGE}
                RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "" OR NOT page MATCHES "EXIT STATUS")
    message(FATAL_ERROR "man --warnings -l ${MANPAGE}: status ${status}\n${warnings}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY ${PROGRAM} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
string(REGEX MATCHALL "\n  (-[a-z], )?--[a-z-]+" listed "${help}")
list(LENGTH listed count)
if(NOT status EQUAL 0 OR count LESS 10)
    message(FATAL_ERROR "vennor --help listed ${count} options:\n${help}")
endif()
foreach(source README.md docs/vennor.1.scd packaging/completions/vennor.bash
               packaging/completions/_vennor)
    file(READ ${SOURCE_DIR}/${source} text)
    foreach(entry IN LISTS listed)
        string(REGEX MATCH "--[a-z-]+" option "${entry}")
        if(NOT text MATCHES "[^a-z-]${option}[^a-z-]")
            list(APPEND missing "${option} in ${source}")
        endif()
    endforeach()
endforeach()
if(missing)
    list(JOIN missing "\n" missing)
    message(FATAL_ERROR "Not described:\n${missing}")
endif()
