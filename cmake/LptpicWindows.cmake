# SPDX-License-Identifier: GPL-2.0-or-later
# lptpic_windows_resources(TARGET DESCRIPTION): version information, an
# application manifest (asInvoker, long paths) and the program's icon in a
# Windows .exe. The icon is drawn from packaging/linux/lptpic.svg with
# rsvg-convert and packed by icotool (Debian: librsvg2-bin, icoutils);
# without them the program has no icon and the build says so.
function(lptpic_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(_win ${PROJECT_SOURCE_DIR}/packaging/windows)
  set(_out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(LPTPIC_RC_NAME ${target})
  set(LPTPIC_RC_DESCRIPTION "${description}")
  set(LPTPIC_RC_VERSION4 "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
  string(REPLACE "." "," LPTPIC_RC_VERSION_COMMAS "${LPTPIC_RC_VERSION4}")
  set(LPTPIC_RC_MANIFEST ${_out}/${target}.manifest)
  configure_file(${_win}/program.manifest.in ${LPTPIC_RC_MANIFEST} @ONLY)

  set(LPTPIC_RC_ICON_LINE "")
  find_program(LPTPIC_RSVG_CONVERT rsvg-convert)
  find_program(LPTPIC_ICOTOOL icotool)
  if(LPTPIC_RSVG_CONVERT AND LPTPIC_ICOTOOL)
    set(_svg ${PROJECT_SOURCE_DIR}/packaging/linux/lptpic.svg)
    set(_pngs)
    set(_images)
    foreach(_size 16 24 32 48 64 256)
      add_custom_command(OUTPUT ${_out}/lptpic-${_size}.png
                         COMMAND ${LPTPIC_RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_out}/lptpic-${_size}.png ${_svg}
                         DEPENDS ${_svg} VERBATIM)
      list(APPEND _pngs ${_out}/lptpic-${_size}.png)
      # The largest stays PNG-compressed, as Windows reads it since Vista.
      if(_size EQUAL 256)
        list(APPEND _images --raw=${_out}/lptpic-${_size}.png)
      else()
        list(APPEND _images ${_out}/lptpic-${_size}.png)
      endif()
    endforeach()
    add_custom_command(OUTPUT ${_out}/lptpic.ico
                       COMMAND ${LPTPIC_ICOTOOL} -c -o ${_out}/lptpic.ico ${_images}
                       DEPENDS ${_pngs} VERBATIM)
    set(LPTPIC_RC_ICON_LINE "1 ICON \"${_out}/lptpic.ico\"")
    set(_icon ${_out}/lptpic.ico)
  else()
    message(WARNING "${target}.exe gets no icon: rsvg-convert and icotool are needed "
                    "(Debian: librsvg2-bin, icoutils)")
    set(_icon)
  endif()
  configure_file(${_win}/program.rc.in ${_out}/${target}.rc @ONLY)
  # windres reads the manifest and icon when it compiles the .rc.
  set_source_files_properties(${_out}/${target}.rc PROPERTIES
                              OBJECT_DEPENDS "${LPTPIC_RC_MANIFEST};${_icon}")
  target_sources(${target} PRIVATE ${_out}/${target}.rc)
endfunction()
