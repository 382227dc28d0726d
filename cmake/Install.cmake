# `cmake --install <build> --prefix P` lays the program out as:
#   P/lib/rumita/rumita and its four sample pictures (it reads them from its
#                       own folder, so they stay together)
#   P/bin/rumita        a launcher that starts the program in that folder
#   P/share/applications/rumita.desktop
#   P/share/mime/packages/rumita.xml, the memo files' type
#   P/share/icons/hicolor/{32x32,scalable}/apps/rumita.{png,svg}
#   P/share/metainfo/<id>.metainfo.xml, for software centres
#   P/share/man/man1/rumita.1.gz
set(RUMITA_INSTALL_FOLDER lib/rumita)
# Software centres know the program by a reverse-DNS id, and show the
# screenshots of docs/ from where the project publishes them.
set(RUMITA_APP_ID "example.rumita.rumita" CACHE STRING "The program's AppStream id")
set(RUMITA_WEB_HOME "https://rumita.example" CACHE STRING
    "Where the project publishes its files (the screenshots under docs/)")

install(TARGETS rumita RUNTIME DESTINATION ${RUMITA_INSTALL_FOLDER})
list(TRANSFORM RUMITA_SAMPLE_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/resources/
     OUTPUT_VARIABLE rumita_picture_files)
install(FILES ${rumita_picture_files} DESTINATION ${RUMITA_INSTALL_FOLDER})
install(PROGRAMS resources/rumita-launcher.sh DESTINATION bin RENAME rumita)
install(FILES resources/rumita.desktop DESTINATION share/applications)
# .qip files are the program's memos, opened by a double-click.
install(FILES resources/rumita-mime.xml DESTINATION share/mime/packages RENAME rumita.xml)
install(FILES resources/rumita.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES resources/rumita.svg DESTINATION share/icons/hicolor/scalable/apps)

set(rumita_metainfo ${CMAKE_BINARY_DIR}/${RUMITA_APP_ID}.metainfo.xml)
configure_file(resources/rumita.metainfo.xml.in ${rumita_metainfo} @ONLY)
install(FILES ${rumita_metainfo} DESTINATION share/metainfo)

# Manual pages are installed compressed, without a time stamp inside.
configure_file(resources/rumita.1.in ${CMAKE_BINARY_DIR}/rumita.1 @ONLY)
add_custom_command(OUTPUT rumita.1.gz
  COMMAND sh -c "gzip -9nc rumita.1 >rumita.1.gz"
  DEPENDS ${CMAKE_BINARY_DIR}/rumita.1
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM)
add_custom_target(rumita_manual ALL DEPENDS rumita.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/rumita.1.gz DESTINATION share/man/man1)
