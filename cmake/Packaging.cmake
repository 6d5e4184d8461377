# Installation and the Debian package.
#
# The program writes its skin library next to itself at every start and
# loads it from there. Installed, it lives in a directory of its own with the
# library beside it, so that it finds the library even where it may not write
# there; a link on the PATH starts it.
set(QUINTARA_PROGRAM_DIR lib/quintara)

install(TARGETS quintara RUNTIME DESTINATION ${QUINTARA_PROGRAM_DIR})
install(FILES $<TARGET_FILE:quintara_skin> DESTINATION ${QUINTARA_PROGRAM_DIR} RENAME hrttp.dll)
install(CODE [[
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(CREATE_LINK ../lib/quintara/quintara "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/quintara"
       SYMBOLIC)
]])
install(FILES resources/quintara.desktop DESTINATION share/applications)
# The headless watcher as a systemd user unit: systemctl --user enable --now quintara-watch
install(FILES resources/quintara-watch.service DESTINATION lib/systemd/user)
install(FILES ${QUINTARA_ICON} DESTINATION share/icons/hicolor/128x128/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintara)
set(CPACK_PACKAGE_VENDOR "Quintara developers")
set(CPACK_PACKAGE_CONTACT "Quintara developers <quintara@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hot-and-cold statistics viewer for a five-digit draw game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link, found by dpkg-shlibdeps, and what they
# load at run time: the platform plugins, Qt's Chinese texts and the fonts of the window;
# SQLite, which the draw archive links through a static SQLiteCpp, named as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk, libsqlite3-0")
include(CPack)
