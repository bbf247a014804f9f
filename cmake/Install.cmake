# Installing and packaging. The programs look for their language files and help pages beside
# themselves, so all of them go into one program folder, the install prefix (/opt/morvane unless
# told otherwise). What the desktop needs to find the program (links on the PATH, the menu
# entry, the metainfo, the icon and the manual page) goes under MORVANE_DESKTOP_PREFIX.
install(TARGETS morvane-scan RUNTIME DESTINATION .)
set(MORVANE_LINKED_PROGRAMS morvane-scan)
if(TARGET morvane)
  install(TARGETS morvane RUNTIME DESTINATION .)
  list(APPEND MORVANE_LINKED_PROGRAMS morvane)
endif()
file(GLOB shipped ${PROJECT_SOURCE_DIR}/resources/*.ini ${PROJECT_SOURCE_DIR}/resources/*.htm)
install(FILES ${shipped} DESTINATION .)

if(NOT WIN32)
  set(MORVANE_DESKTOP_PREFIX /usr/local CACHE PATH
      "Where the links on the PATH, the desktop entry, the metainfo, the icon and the man page go")
  set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  set(share ${MORVANE_DESKTOP_PREFIX}/share)

  # The links point at the program folder as it is at install time (--prefix may move it).
  install(CODE "set(MORVANE_LINK_FOLDER \"${MORVANE_DESKTOP_PREFIX}/bin\")
                set(MORVANE_LINKED_PROGRAMS \"${MORVANE_LINKED_PROGRAMS}\")")
  install(CODE [[
    foreach(program IN LISTS MORVANE_LINKED_PROGRAMS)
      set(link "$ENV{DESTDIR}${MORVANE_LINK_FOLDER}/${program}")
      message(STATUS "Linking: ${link} -> ${CMAKE_INSTALL_PREFIX}/${program}")
      file(MAKE_DIRECTORY "$ENV{DESTDIR}${MORVANE_LINK_FOLDER}")
      file(CREATE_LINK "${CMAKE_INSTALL_PREFIX}/${program}" "${link}" SYMBOLIC)
    endforeach()
  ]])

  if(TARGET morvane)
    install(FILES ${desktop}/org.pellam.Morvane.desktop DESTINATION ${share}/applications)
    configure_file(${desktop}/org.pellam.Morvane.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/desktop/org.pellam.Morvane.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/desktop/org.pellam.Morvane.metainfo.xml
            DESTINATION ${share}/metainfo)
    file(GLOB icon_images ${desktop}/morvane-*.png)
    foreach(image IN LISTS icon_images)
      string(REGEX REPLACE ".*morvane-([0-9]+)\\.png$" "\\1" size ${image})
      install(FILES ${image} DESTINATION ${share}/icons/hicolor/${size}x${size}/apps
              RENAME morvane.png)
    endforeach()
    install(FILES ${desktop}/morvane.svg DESTINATION ${share}/icons/hicolor/scalable/apps)
  endif()

  # The manual page is written from morvane-scan's own --help, so the tool must run here.
  if(NOT CMAKE_CROSSCOMPILING)
    set(man_page ${CMAKE_BINARY_DIR}/man/morvane-scan.1)
    add_custom_command(OUTPUT ${man_page}
                       COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:morvane-scan>
                               -DVERSION=${PROJECT_VERSION} -DOUT=${man_page}
                               -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
                       DEPENDS morvane-scan ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
                       COMMENT "Writing the manual page of morvane-scan from its --help")
    add_custom_target(morvane_man_page ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${share}/man/man1)
  endif()
endif()

if(WIN32)
  return()
endif()

# CPack: a Debian package of the same tree. (The desktop files lie outside the program folder,
# so the package is staged through DESTDIR.)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR Pellam)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pulls the media hidden inside other files out into files")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane reads any file as raw bytes and carves out icons, cursors, animated cursors,\n"
    "bitmaps, JPEG, GIF and PNG pictures, wave sounds, AVI videos and MIDI songs. It comes\n"
    "with a window program and the terminal tool morvane-scan.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
if(MORVANE_SUPPORT_MAIL)
  set(CPACK_PACKAGE_CONTACT "Pellam <${MORVANE_SUPPORT_MAIL}>")
else()
  set(CPACK_PACKAGE_CONTACT Pellam)
endif()
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's translations of its own texts (the standard buttons); the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
