# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file under src/, tests/ or bench/ is not as clang-format would write it:
# cmake -DSOURCE_DIR=<root> -DCLANG_FORMAT=<program> -P formatcheck.cmake
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp
     ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Not formatted: run clang-format -i on the files named above.")
endif()
