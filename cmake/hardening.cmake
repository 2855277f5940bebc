# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distribution asks of a program it ships: checked buffer calls, a stack protector,
# relocations made read-only and bound at start, and a position-independent executable.
# Only optimised builds: the checked calls need the optimiser, and debugging wants neither.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
if(NOT MSVC)
    set(optimised "$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>")
    add_compile_options("$<${optimised}:-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
    add_link_options("$<${optimised}:LINKER:-z,relro,-z,now>")
endif()
