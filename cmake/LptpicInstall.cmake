# What `cmake --install` puts where on Linux, and the Debian package CPack
# makes of it (cpack -G DEB in the build folder).
include(GNUInstallDirs)
set(_pkg ${PROJECT_SOURCE_DIR}/packaging/linux)
set(_gen ${PROJECT_BINARY_DIR}/packaging)

if(TARGET lptpic-cli)
  install(TARGETS lptpic-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET lptpic)
  install(TARGETS lptpic RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_pkg}/lptpic.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pkg}/lptpic.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  configure_file(${_pkg}/io.github.lptpic.lptpic.metainfo.xml ${_gen}/io.github.lptpic.lptpic.metainfo.xml @ONLY)
  install(FILES ${_gen}/io.github.lptpic.lptpic.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages and the changelog go in compressed, as Debian's policy asks;
# -n keeps the name and time out, so the files build the same each time.
find_program(LPTPIC_GZIP gzip)
if(UNIX AND NOT APPLE AND LPTPIC_GZIP)
  set(_compressed)
  foreach(_page lptpic-cli.1 lptpic.1 changelog)
    configure_file(${_pkg}/${_page} ${_gen}/${_page} @ONLY)
    add_custom_command(OUTPUT ${_gen}/${_page}.gz
                       COMMAND ${LPTPIC_GZIP} -9n -c ${_gen}/${_page} > ${_gen}/${_page}.gz
                       DEPENDS ${_gen}/${_page} VERBATIM)
    list(APPEND _compressed ${_gen}/${_page}.gz)
  endforeach()
  add_custom_target(lptpic_docs ALL DEPENDS ${_compressed})
  if(TARGET lptpic-cli)
    install(FILES ${_gen}/lptpic-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  if(TARGET lptpic)
    install(FILES ${_gen}/lptpic.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  install(FILES ${_pkg}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${_gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.gz)
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lptpic)
set(CPACK_PACKAGE_VENDOR "lptpic developers")
set(CPACK_PACKAGE_CONTACT "lptpic developers <lptpic@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_pkg}/postinst)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "PIC programmer for a parallel-port adapter
lptpic reads, programs, verifies, blank-checks and erases Microchip PIC
microcontrollers (12C5xx, 12F629/675, 16C6x/7x, 16F62x, 16F8x, 16F87x and
more) through a passive adapter on the PC parallel port. The package holds
the Qt program lptpic and the command-line program lptpic-cli; both also
run on a built-in simulated adapter without any hardware.
.
The parallel port is reached through the kernel's ppdev driver: load the
parport_pc and ppdev modules (modprobe parport_pc ppdev) and add each user
to the lp group.")
include(CPack)
