# Install: the program and its data files in one folder, a launcher on the PATH,
# a desktop entry and an icon.
include(GNUInstallDirs)
set(ORBANE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/orbane1s)
install(TARGETS orbane1s RUNTIME DESTINATION ${ORBANE_INSTALL_DIR})
install(TARGETS orbane_sound LIBRARY DESTINATION ${ORBANE_INSTALL_DIR})
install(FILES ${ORBANE_DATA_FILES} DESTINATION ${ORBANE_INSTALL_DIR})
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"../${ORBANE_INSTALL_DIR}/orbane1s\"
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orbane1s\" SYMBOLIC)
")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orbane1s.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/icons/orbane1s.png)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/orbane1s.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orbane1s-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orbane1s.xml)
