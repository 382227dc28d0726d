# `cmake --install <build> --prefix P` lays the program out as:
#   P/lib/rumita/rumita and its four sample pictures (it reads them from its
#                       own folder, so they stay together), and rumita-preview,
#                       the preview program it starts from the same folder
#   P/bin/rumita        a launcher that starts the program in that folder
#   P/share/applications/rumita.desktop
#   P/share/mime/packages/rumita.xml, the memo files' type
#   P/share/icons/hicolor/{32x32,scalable}/apps/rumita.{png,svg}
#   P/share/metainfo/<id>.metainfo.xml, for software centres
#   P/share/man/man1/rumita.1.gz and P/share/man/ja/man1/rumita.1.gz
set(RUMITA_INSTALL_FOLDER lib/rumita)
# Software centres know the program by a reverse-DNS id, and show the
# screenshots of docs/ from where the project publishes them.
set(RUMITA_APP_ID "example.rumita.rumita" CACHE STRING "The program's AppStream id")
set(RUMITA_WEB_HOME "https://rumita.example" CACHE STRING
    "Where the project publishes its files (the screenshots under docs/)")

install(TARGETS rumita rumita-preview RUNTIME DESTINATION ${RUMITA_INSTALL_FOLDER})
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

# Manual pages, in English and Japanese, are installed compressed, without a
# time stamp inside.
foreach(language IN ITEMS en ja)
  set(page_source resources/rumita.1.in)
  set(page_folder share/man/man1)
  if(NOT language STREQUAL en)
    set(page_source resources/rumita.${language}.1.in)
    set(page_folder share/man/${language}/man1)
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${language}/rumita.1)
  configure_file(${page_source} ${page} @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND sh -c "gzip -9nc rumita.1 >rumita.1.gz"
    DEPENDS ${page}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/man/${language}
    VERBATIM)
  list(APPEND rumita_pages ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${page_folder})
endforeach()
add_custom_target(rumita_manual ALL DEPENDS ${rumita_pages})
