# Install: the program, its sound module and its data files in one folder, a link on the PATH,
# the desktop entry, the file types with their icons, the software-centre metadata, the manual
# page and the package's documents.
set(ORBANE_INSTALL_DIR lib/orbane1s) # a private folder: /usr/lib whatever the architecture
set(ORBANE_APPSTREAM_ID org.example.orbane1s)
set(ORBANE_MAINTAINER "L'équipe Orbane 1S <orbane1s@example.org>")
set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(gen ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS orbane1s RUNTIME DESTINATION ${ORBANE_INSTALL_DIR})
install(TARGETS orbane_sound LIBRARY DESTINATION ${ORBANE_INSTALL_DIR})
# The sound module reaches the C library only through Qt, so the linker would leave it out of
# the module's needs; Debian wants every shared object to name it.
target_link_libraries(orbane_sound PRIVATE "-Wl,--push-state,--no-as-needed,-l:libc.so.6,--pop-state")
install(FILES ${ORBANE_DATA_FILES} ${pkg}/orbane1s-installed DESTINATION ${ORBANE_INSTALL_DIR})
file(MAKE_DIRECTORY ${gen}/bin)
file(CREATE_LINK ../${ORBANE_INSTALL_DIR}/orbane1s ${gen}/bin/orbane1s SYMBOLIC)
install(FILES ${gen}/bin/orbane1s DESTINATION bin)

install(FILES ${pkg}/orbane1s.desktop DESTINATION share/applications)
install(FILES ${pkg}/orbane1s-mime.xml DESTINATION share/mime/packages RENAME orbane1s.xml)
install(DIRECTORY ${pkg}/icons/hicolor DESTINATION share/icons)
install(FILES ${pkg}/icons/orbane1s.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${pkg}/icons/application-x-orbane1s-configuration.svg
              ${pkg}/icons/application-x-orbane1s-exercise.svg
        DESTINATION share/icons/hicolor/scalable/mimetypes)

configure_file(${pkg}/orbane1s.metainfo.xml.in ${gen}/${ORBANE_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${gen}/${ORBANE_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)

# The manual page and the changelog are compressed, as Debian wants them.
execute_process(COMMAND date -R -u -d "${ORBANE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE ORBANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${pkg}/orbane1s.1.in ${gen}/orbane1s.1 @ONLY)
configure_file(${pkg}/changelog.in ${gen}/changelog @ONLY)
foreach(doc orbane1s.1 changelog)
  add_custom_command(OUTPUT ${gen}/${doc}.gz
    COMMAND gzip -9 -n -c ${gen}/${doc} > ${gen}/${doc}.gz
    DEPENDS ${gen}/${doc} VERBATIM)
endforeach()
add_custom_target(orbane_docs ALL DEPENDS ${gen}/orbane1s.1.gz ${gen}/changelog.gz)
install(FILES ${gen}/orbane1s.1.gz DESTINATION share/man/man1)
install(FILES ${gen}/changelog.gz ${pkg}/copyright DESTINATION share/doc/orbane1s)
