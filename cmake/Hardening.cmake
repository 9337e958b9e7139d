# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What is tested is what ships: the flags that Debian's package build takes from
# dpkg-buildflags with every hardening feature on, and the protections it does not add. Control
# flow is protected on x86 alone, where the compiler knows how: other compilers reject the flag.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
    -Werror=format-security "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
    check_cxx_compiler_flag(-fcf-protection QUATRELLE_HAVE_CF_PROTECTION)
    if(QUATRELLE_HAVE_CF_PROTECTION)
        add_compile_options(-fcf-protection)
    endif()
endif()
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
