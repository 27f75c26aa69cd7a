# Installation (GNUInstallDirs) and the Debian package: the two programs, obtool's manual page made
# from its help text, and for the editor its desktop entry, AppStream metainfo and icons.
include(GNUInstallDirs)
set(QUORVANT_APP_ID com.vexmoor.Quorvant)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS obtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(obtool_man ${packaging_out}/obtool.1)
add_custom_command(OUTPUT ${obtool_man} ${obtool_man}.gz
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${CMAKE_COMMAND} -DOBTOOL=$<TARGET_FILE:obtool> -DOUT=${obtool_man} -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_SOURCE_DIR}/packaging/obtool-man.cmake
  DEPENDS obtool ${CMAKE_SOURCE_DIR}/packaging/obtool-man.cmake
  COMMENT "Writing the obtool manual page from its help text"
  VERBATIM)
add_custom_target(obtool_man ALL DEPENDS ${obtool_man})
install(FILES ${obtool_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(QUORVANT_BUILD_UI)
  install(TARGETS quorvant RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/${QUORVANT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(packaging/${QUORVANT_APP_ID}.metainfo.xml ${packaging_out}/${QUORVANT_APP_ID}.metainfo.xml
                 @ONLY)
  install(FILES ${packaging_out}/${QUORVANT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  set(icon_svg ${CMAKE_SOURCE_DIR}/packaging/quorvant.svg)
  set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${icon_svg} DESTINATION ${icon_theme}/scalable/apps)
  # The fixed sizes are rendered from the drawing, so there is one picture to keep.
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(icon_pngs)
    foreach(size 16 32 48 64 128 256)
      set(png ${packaging_out}/icons/${size}x${size}/quorvant.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
        DEPENDS ${icon_svg}
        VERBATIM)
      list(APPEND icon_pngs ${png})
      install(FILES ${png} DESTINATION ${icon_theme}/${size}x${size}/apps)
    endforeach()
    add_custom_target(quorvant_icons ALL DEPENDS ${icon_pngs})
  else()
    message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): the icons are installed as SVG only")
  endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvant)
set(CPACK_PACKAGE_VENDOR "Vexmoor Software")
set(CPACK_PACKAGE_CONTACT "Vexmoor Software <quorvant@vexmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "order-of-battle editor for the wargame Brass Wolves")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvant edits the weapons, units and formations of the order-of-battle files of Brass Wolves "
    "(BW1, BW2, BW3), with CSV export and import, a game manager for saved and e-mail games, and the "
    "units' side pictures. obtool is its command-line companion for scripts and batch work.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the binaries link decide the dependencies (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
