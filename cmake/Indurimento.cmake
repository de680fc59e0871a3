# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening of the programs, as Debian builds its packages: stack protector, checked libc
# calls in optimised builds, position-independent executables and a read-only relocation
# table bound at start. A _FORTIFY_SOURCE level a packager passes in CMAKE_CXX_FLAGS is kept.
option(GIROLINO_HARDENING "Build with the hardening flags of Debian packages" ON)
if(NOT GIROLINO_HARDENING)
    return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# _FORTIFY_SOURCE needs the optimiser; Debug builds (the sanitizers' ones) go without it.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
