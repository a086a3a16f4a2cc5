# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A cross build runs its build-time tools on the build machine: they are built there, with its own
# compiler and Qt, as a project of their own, and stand in for the targets of the same names.
include_guard(GLOBAL)
include(ExternalProject)
set(host_tools_dir ${PROJECT_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/host
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tools_dir}/unpack/tilora_unpack_picture ${host_tools_dir}/winicon/tilora_windows_icon)
foreach(tool unpack/tilora_unpack_picture winicon/tilora_windows_icon)
    get_filename_component(name ${tool} NAME)
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${host_tools_dir}/${tool})
    add_dependencies(${name} host_tools)
endforeach()
