# `cmake --install <build> --prefix P` lays the program out as:
#   P/lib/rumita/rumita and its four sample pictures (it reads them and writes
#                       prev.html in its own folder, so they stay together)
#   P/bin/rumita        a launcher that starts the program in that folder
#   P/share/applications/rumita.desktop
#   P/share/icons/hicolor/{32x32,scalable}/apps/rumita.{png,svg}
set(RUMITA_INSTALL_FOLDER lib/rumita)

install(TARGETS rumita RUNTIME DESTINATION ${RUMITA_INSTALL_FOLDER})
list(TRANSFORM RUMITA_SAMPLE_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/resources/
     OUTPUT_VARIABLE rumita_picture_files)
install(FILES ${rumita_picture_files} DESTINATION ${RUMITA_INSTALL_FOLDER})
install(PROGRAMS resources/rumita-launcher.sh DESTINATION bin RENAME rumita)
install(FILES resources/rumita.desktop DESTINATION share/applications)
install(FILES resources/rumita.png DESTINATION share/icons/hicolor/32x32/apps)
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/rumita.svg)
  install(FILES resources/rumita.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()
