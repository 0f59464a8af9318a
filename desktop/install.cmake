# Installing the game: `cmake --install <build> --prefix P` puts the executable into P/bin, the
# game directory the build assembled into P/share/yomogi (the installed executable finds it from
# its own place, as bin/../share/yomogi), and the desktop entry, the icons and the AppStream
# metainfo where desktops look for them. The installed data is only ever read: the player's saves
# go to $XDG_DATA_HOME/yomogi.
set(YOMOGI_APP_ID io.github.yomogi.Yomogi)

install(TARGETS yomogi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${YOMOGI_GAME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/yomogi
  PATTERN yomogi EXCLUDE          # the executable itself, installed above
  PATTERN *.new EXCLUDE           # a write cut short
  PATTERN screenshots EXCLUDE)
install(DIRECTORY ${YOMOGI_GAME_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${YOMOGI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${YOMOGI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

if(YOMOGI_TESTS)
  # An install into a fresh prefix, world 0 played there headless with the saves in a fresh
  # XDG_DATA_HOME (tests/app/install_test.cmake).
  add_test(NAME install COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
    -DWORK_DIR=${CMAKE_BINARY_DIR}/install-test -P ${CMAKE_SOURCE_DIR}/tests/app/install_test.cmake)
  # The desktop entry and the metainfo as the desktop's own checkers read them, where Debian's
  # desktop-file-utils and appstream are installed.
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop-entry COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/desktop/${YOMOGI_APP_ID}.desktop)
    set_tests_properties(desktop-entry PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME metainfo COMMAND ${APPSTREAMCLI} validate --no-net ${CMAKE_SOURCE_DIR}/desktop/${YOMOGI_APP_ID}.metainfo.xml)
  endif()
endif()
