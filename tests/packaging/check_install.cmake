# cmake -D BUILD_DIR=... -D PREFIX=... [-D CONFIG=...] -P check_install.cmake
cmake_minimum_required(VERSION 3.25)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(JOIN " " command ${ARGV})
    message(STATUS "${command}\n${output}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${command}")
    endif()
endfunction()

function(require_tool variable name package)
    find_program(${variable} ${name})
    if(NOT ${variable})
        message(FATAL_ERROR "${name} is missing (Debian package ${package})")
    endif()
endfunction()

require_tool(desktop_file_validate desktop-file-validate desktop-file-utils)
require_tool(appstreamcli appstreamcli appstream)

file(REMOVE_RECURSE "${PREFIX}")
set(config_args)
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_args})

if(NOT EXISTS "${PREFIX}/bin/quadrel")
    message(FATAL_ERROR "the game was not installed to ${PREFIX}/bin/quadrel")
endif()

file(GLOB desktop_files "${PREFIX}/share/applications/*.desktop")
file(GLOB metainfo_files "${PREFIX}/share/metainfo/*.metainfo.xml")
list(LENGTH desktop_files desktop_count)
list(LENGTH metainfo_files metainfo_count)
if(NOT desktop_count EQUAL 1 OR NOT metainfo_count EQUAL 1)
    message(FATAL_ERROR "expected one desktop entry and one metainfo file, found "
        "${desktop_count} and ${metainfo_count}")
endif()

run("${desktop_file_validate}" "${desktop_files}")
run("${appstreamcli}" validate --no-net "${metainfo_files}")
# The tree check ties the metainfo to its desktop entry and icon.
run("${appstreamcli}" validate-tree --no-net "${PREFIX}")

# The metainfo names its component after the desktop entry, and the entry's
# icon name must resolve in the hicolor theme at both sizes.
get_filename_component(app_id "${desktop_files}" NAME_WLE)
get_filename_component(metainfo_name "${metainfo_files}" NAME)
if(NOT metainfo_name STREQUAL "${app_id}.metainfo.xml")
    message(FATAL_ERROR "${metainfo_name} does not match ${app_id}.desktop")
endif()
file(STRINGS "${desktop_files}" exec_line REGEX "^Exec=")
if(NOT exec_line STREQUAL "Exec=quadrel")
    message(FATAL_ERROR "the desktop entry does not start the installed game: ${exec_line}")
endif()
file(STRINGS "${desktop_files}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
foreach(size 32x32 256x256)
    set(icon_file "${PREFIX}/share/icons/hicolor/${size}/apps/${icon}.png")
    if(NOT EXISTS "${icon_file}")
        message(FATAL_ERROR "icon ${icon} missing at ${size}: ${icon_file}")
    endif()
endforeach()
message(STATUS "installed ${app_id} with its entry, metainfo and icons")
