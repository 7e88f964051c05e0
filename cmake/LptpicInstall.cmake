# SPDX-License-Identifier: GPL-2.0-or-later
# What `cmake --install` puts where on Linux. debian/ splits it into the
# lptpic-cli and lptpic packages.
include(GNUInstallDirs)
set(_pkg ${PROJECT_SOURCE_DIR}/packaging/linux)
set(_gen ${PROJECT_BINARY_DIR}/packaging)

if(TARGET lptpic-cli)
  install(TARGETS lptpic-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/adapters.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
if(TARGET lptpic)
  install(TARGETS lptpic RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_pkg}/lptpic.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pkg}/lptpic.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # AppStream takes screenshots only from the web: given the address where
  # the docs/ folder is published, the metainfo lists its pictures.
  set(LPTPIC_SCREENSHOT_URL "" CACHE STRING
      "Web address of the published docs/ folder, for the AppStream screenshots")
  set(LPTPIC_METAINFO_SCREENSHOTS "")
  if(LPTPIC_SCREENSHOT_URL)
    set(_shots "main-window.png|The main window with a 16F84"
               "main-window-running.png|Program All running, with its pass and progress"
               "verify-failed.png|A failed verify names the first place that differs"
               "device-dialog-40pin.png|Choosing the part: where it sits in the socket"
               "adapter-test-dialog.png|The adapter test of a Tait board")
    string(APPEND LPTPIC_METAINFO_SCREENSHOTS "  <screenshots>\n")
    set(_type " type=\"default\"")
    foreach(_shot IN LISTS _shots)
      string(REPLACE "|" ";" _shot "${_shot}")
      list(GET _shot 0 _file)
      list(GET _shot 1 _caption)
      string(APPEND LPTPIC_METAINFO_SCREENSHOTS
             "    <screenshot${_type}>\n      <caption>${_caption}</caption>\n"
             "      <image>${LPTPIC_SCREENSHOT_URL}/${_file}</image>\n    </screenshot>\n")
      set(_type "")
    endforeach()
    string(APPEND LPTPIC_METAINFO_SCREENSHOTS "  </screenshots>\n")
  endif()
  configure_file(${_pkg}/io.github.lptpic.lptpic.metainfo.xml ${_gen}/io.github.lptpic.lptpic.metainfo.xml @ONLY)
  install(FILES ${_gen}/io.github.lptpic.lptpic.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages. lptpic-cli(1) takes its option and command sections from
# the program's own parser (lptpic-cli --manual-page), so it names exactly
# what the program accepts; a cross build cannot run the program and
# installs none.
if(UNIX AND NOT APPLE AND NOT CMAKE_CROSSCOMPILING)
  set(_pages)
  if(TARGET lptpic-cli)
    add_custom_command(
      OUTPUT ${_gen}/lptpic-cli.1
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:lptpic-cli> -DTEMPLATE=${_pkg}/lptpic-cli.1.in
              -DOUTPUT=${_gen}/lptpic-cli.1 -DVERSION=${PROJECT_VERSION}
              -DDOCDIR=${CMAKE_INSTALL_FULL_DOCDIR} -P ${PROJECT_SOURCE_DIR}/cmake/ManualPage.cmake
      DEPENDS lptpic-cli ${_pkg}/lptpic-cli.1.in ${PROJECT_SOURCE_DIR}/cmake/ManualPage.cmake
      VERBATIM)
    list(APPEND _pages ${_gen}/lptpic-cli.1)
    install(FILES ${_gen}/lptpic-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${_pkg}/adapters.conf.5 DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)
  endif()
  if(TARGET lptpic)
    configure_file(${_pkg}/lptpic.1 ${_gen}/lptpic.1 @ONLY)
    install(FILES ${_gen}/lptpic.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  add_custom_target(lptpic_manual_pages ALL DEPENDS ${_pages})
endif()
