# On Windows the programs find everything they need beside themselves, so the build folder's bin
# runs on a machine that has nothing installed: Qt's libraries, the plugins the windows use (the
# platforms, the Windows styles, the image formats), MinGW's thread library, Qt's own texts in
# every language the system's translations hold, and a qt.conf that points Qt at all of them.
set(MORVANE_QT_PLUGINS
    platforms:QWindowsIntegrationPlugin platforms:QOffscreenIntegrationPlugin
    styles:QWindowsVistaStylePlugin imageformats:QICOPlugin imageformats:QGifPlugin
    imageformats:QJpegPlugin)
# Qt's own translations: those of the Qt in use when it has them (Qt's installer gives them),
# else the system's (Debian's qt6-translations-l10n, the same version).
set(qt_own_texts "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
if(NOT QT6_INSTALL_PREFIX OR NOT EXISTS "${qt_own_texts}")
  set(qt_own_texts /usr/share/qt6/translations)
endif()
set(MORVANE_QT_TRANSLATIONS ${qt_own_texts} CACHE PATH
    "Where Qt's translations (qtbase_*.qm) are taken from")

set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(copies)
foreach(library Core Gui Widgets Test)
  list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
       $<TARGET_FILE:Qt6::${library}> ${bin})
endforeach()
foreach(entry IN LISTS MORVANE_QT_PLUGINS)
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 folder)
  list(GET parts 1 plugin)
  list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/${folder}
       COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::${plugin}> ${bin}/${folder})
endforeach()
# MinGW's runtime: the programs link it statically, Qt's libraries the thread library and its
# plugins all of it.
set(mingw_runtime)
foreach(library libwinpthread-1.dll libstdc++-6.dll libgcc_s_seh-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS ${found})
    set(found /usr/${MORVANE_MINGW_PREFIX}/lib/${library})
  endif()
  list(APPEND mingw_runtime ${found})
endforeach()
file(GLOB qt_texts ${MORVANE_QT_TRANSLATIONS}/qtbase_*.qm)
set(text_copies)
if(qt_texts)
  set(text_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_texts} ${bin}/translations)
endif()
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix=.\nPlugins=.\nTranslations=translations\n")
add_custom_target(morvane_windows_runtime ALL
  ${copies}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${mingw_runtime} ${bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_BINARY_DIR}/qt.conf ${bin}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/translations
  ${text_copies}
  COMMENT "Placing Qt's libraries, plugins and texts beside the programs")

# The program folder as installed (and as the setup program and the zip hold it): the same, less
# what only the tests use.
foreach(library Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
endforeach()
foreach(entry IN LISTS MORVANE_QT_PLUGINS)
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 folder)
  list(GET parts 1 plugin)
  if(NOT plugin STREQUAL "QOffscreenIntegrationPlugin")
    install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION ${folder})
  endif()
endforeach()
install(FILES ${mingw_runtime} ${CMAKE_BINARY_DIR}/qt.conf
              ${PROJECT_SOURCE_DIR}/resources/windows/morvane.ico DESTINATION .)
install(FILES ${qt_texts} DESTINATION translations)
