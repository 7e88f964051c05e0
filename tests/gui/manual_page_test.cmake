# SPDX-License-Identifier: GPL-2.0-or-later
# cmake -DPROGRAM=lptpic -DPAGE=packaging/linux/lptpic.1 -P manual_page_test.cmake
#
# lptpic's --help and --version work with no display at all, and the
# manual page names every option --help lists, and no other.
cmake_minimum_required(VERSION 3.22)

set(_no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
execute_process(COMMAND ${_no_display} ${PROGRAM} --help
                OUTPUT_VARIABLE _help ERROR_VARIABLE _errors RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "lptpic --help without a display: exit ${_result}\n${_errors}")
endif()
execute_process(COMMAND ${_no_display} ${PROGRAM} --version
                OUTPUT_VARIABLE _version ERROR_VARIABLE _errors RESULT_VARIABLE _result)
if(NOT _result EQUAL 0 OR NOT _version MATCHES "License GPL-2.0-or-later")
  message(FATAL_ERROR "lptpic --version without a display: exit ${_result}\n${_version}${_errors}")
endif()

# Options as --help lists them: "  -h, --help", "  --port <SPEC>".
set(_listed)
string(REGEX MATCHALL "\n  (-[a-z?], )?--[a-z-]+" _lines "${_help}")
foreach(_line IN LISTS _lines)
  string(REGEX MATCHALL "--?[a-z?][a-z-]*" _names "${_line}")
  list(APPEND _listed ${_names})
endforeach()

# Options as the page names them: "\-\-screenshot\-dialog", "\-v".
file(READ ${PAGE} _page)
string(REPLACE "\\-" "-" _page "${_page}")
string(REGEX MATCHALL "(^|[^a-z0-9-])--?[a-z][a-z-]*" _found "${_page}")
set(_documented)
foreach(_name IN LISTS _found)
  string(REGEX REPLACE "^[^-]" "" _name "${_name}")
  list(APPEND _documented ${_name})
endforeach()

list(REMOVE_DUPLICATES _listed)
list(REMOVE_DUPLICATES _documented)
list(SORT _listed)
list(SORT _documented)
if(NOT _listed STREQUAL _documented)
  message(FATAL_ERROR "lptpic --help lists: ${_listed}\n${PAGE} documents: ${_documented}")
endif()
list(LENGTH _listed _count)
message(STATUS "lptpic(1) documents the ${_count} options --help lists")
