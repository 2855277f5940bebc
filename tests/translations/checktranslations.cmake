# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lupdate over the sources into a copy of the .ts: the copy must come out as the
# committed file (no text added or gone since) and hold no unfinished translation.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(updated_file ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${updated_file})
execute_process(COMMAND ${LUPDATE} -locations none -no-obsolete @${SOURCES} -ts ${updated_file}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${updated_file} updated)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\""
       unfinished "${updated}")
if(unfinished)
    string(REGEX REPLACE "[ \n]*<translation type=\"unfinished\"" "\n" unfinished "${unfinished}")
    message(FATAL_ERROR "Not translated in ${name} (run the update_translations target, then "
                        "translate):\n${unfinished}")
endif()
file(READ ${TS_FILE} committed)
if(NOT updated STREQUAL committed)
    message(FATAL_ERROR "${name} is not as lupdate makes it of the sources: run the "
                        "update_translations target")
endif()
