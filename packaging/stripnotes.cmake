# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the files it is about to pack: the program loses the sections that only
# name the compiler, as dh_strip does.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/vennor")
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_OBJCOPY} --remove-section=.comment --remove-section=.note
                            ${program} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "objcopy could not strip ${program}")
    endif()
endforeach()
