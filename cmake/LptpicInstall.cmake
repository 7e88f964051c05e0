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
