# SPDX-License-Identifier: GPL-2.0-or-later
# cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... -DVERSION=... -DDOCDIR=... -P ManualPage.cmake
#
# Writes a manual page from TEMPLATE: @GENERATED_SECTIONS@ becomes what
# `PROGRAM --manual-page` prints (its options and commands, from its own
# parser), @PROJECT_VERSION@ the version and @DOCDIR@ the documentation
# folder. Fails when the program does not answer.
cmake_minimum_required(VERSION 3.22)
foreach(_var PROGRAM TEMPLATE OUTPUT VERSION DOCDIR)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "ManualPage.cmake: ${_var} is not set")
  endif()
endforeach()

execute_process(COMMAND ${PROGRAM} --manual-page
                OUTPUT_VARIABLE _sections ERROR_VARIABLE _errors RESULT_VARIABLE _result)
if(NOT _result EQUAL 0 OR _sections STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --manual-page failed (${_result}): ${_errors}")
endif()

file(READ ${TEMPLATE} _page)
string(REPLACE "-" "\\-" _docdir "${DOCDIR}")
string(REPLACE "@GENERATED_SECTIONS@\n" "${_sections}" _page "${_page}")
string(REPLACE "@PROJECT_VERSION@" "${VERSION}" _page "${_page}")
string(REPLACE "@DOCDIR@" "${_docdir}" _page "${_page}")
if(_page MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "ManualPage.cmake: ${TEMPLATE} holds an unknown ${CMAKE_MATCH_0}")
endif()
file(WRITE ${OUTPUT} "${_page}")
