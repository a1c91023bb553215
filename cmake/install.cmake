# The install rules (cmake --install build --prefix PREFIX): the three programs to bin/, their
# data to share/tpw52/ (data/CMakeLists.txt), the documentation to share/doc/tpw52/, and the
# desktop integration: the desktop entry, the icon in the hicolor theme, the AppStream
# metainfo, the manual pages and the bash completion of tpw52-cli.
set(TPW52_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(TPW52_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS tpw52 tpw52-cli qz815-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES README.md docs/design.md data/channel-plans/SOURCES.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/screenshots DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The icon is built into tpw52 as well: the window icon of a program run from its own folder.
set(TPW52_ICON_PNGS)
foreach(size ${TPW52_ICON_SIZES})
  list(APPEND TPW52_ICON_PNGS ${TPW52_PACKAGING_DIR}/icons/${size}x${size}.png)
endforeach()
qt_add_resources(tpw52 tpw52_icons PREFIX /icons BASE ${TPW52_PACKAGING_DIR}/icons
                 FILES ${TPW52_ICON_PNGS})

# The files that carry the version, the desktop name or the web page, made at configure time.
set(TPW52_DESKTOP_FILE ${CMAKE_BINARY_DIR}/packaging/${TPW52_DESKTOP_ID}.desktop)
set(TPW52_METAINFO_FILE ${CMAKE_BINARY_DIR}/packaging/${TPW52_DESKTOP_ID}.metainfo.xml)
configure_file(${TPW52_PACKAGING_DIR}/tpw52.desktop.in ${TPW52_DESKTOP_FILE} @ONLY)
configure_file(${TPW52_PACKAGING_DIR}/tpw52.metainfo.xml.in ${TPW52_METAINFO_FILE} @ONLY)
set(TPW52_MAN_PAGES)
foreach(program tpw52 tpw52-cli qz815-sim)
  configure_file(${TPW52_PACKAGING_DIR}/man/${program}.1.in
                 ${CMAKE_BINARY_DIR}/packaging/man/${program}.1 @ONLY)
  list(APPEND TPW52_MAN_PAGES ${CMAKE_BINARY_DIR}/packaging/man/${program}.1)
endforeach()

if(UNIX)
  install(FILES ${TPW52_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
if(UNIX AND NOT APPLE)
  install(FILES ${TPW52_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TPW52_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${TPW52_PACKAGING_DIR}/icons/tpw52.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${TPW52_DESKTOP_ID}.svg)
  foreach(size ${TPW52_ICON_SIZES})
    install(FILES ${TPW52_PACKAGING_DIR}/icons/${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TPW52_DESKTOP_ID}.png)
  endforeach()
  install(FILES ${TPW52_PACKAGING_DIR}/bash-completion/tpw52-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
