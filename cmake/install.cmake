# Installs the program where a Linux desktop looks for it, and packs the same files as a Debian
# package:  cmake --install <build> [--prefix <dir>]   and   cpack -G DEB  (in <build>).
include(GNUInstallDirs)

set(KALVEX_APP_ID com.qorcorporation.Kalvex)
set(kalvex_packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS kalvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program's modules: the windows, the options that need Qt Core, and downloads.
install(TARGETS kalvex_window kalvex_commands kalvex_network LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/kalvex)

# The desktop entry, the program icon and the AppStream data all go by the application id, so
# the menu, the software centre and the running window find one another.
install(FILES ${kalvex_packaging}/${KALVEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Factor files get a type of their own, and opening one in a file manager imports it: a second,
# hidden entry runs the import, so the menu entry keeps starting the program plainly.
install(FILES ${kalvex_packaging}/${KALVEX_APP_ID}.Import.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kalvex_packaging}/${KALVEX_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${KALVEX_APP_ID}.xml)

# The library of extra groups, where Import Group... starts.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/groups/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kalvex/groups
  FILES_MATCHING PATTERN "*.fsf")

# The menu shows the same scalable icon as the program's window.
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/kalvex.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KALVEX_APP_ID}.svg)

# The release entry carries the project version; its date honours SOURCE_DATE_EPOCH, so a
# package rebuilt from the same sources is the same package.
string(TIMESTAMP KALVEX_RELEASE_DATE "%Y-%m-%d" UTC)
set(kalvex_metainfo ${PROJECT_BINARY_DIR}/packaging/${KALVEX_APP_ID}.metainfo.xml)
configure_file(${kalvex_packaging}/${KALVEX_APP_ID}.metainfo.xml ${kalvex_metainfo} @ONLY)
install(FILES ${kalvex_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page carries the project version; bash finds the completion by the command's name.
set(kalvex_manual ${PROJECT_BINARY_DIR}/packaging/kalvex.1)
configure_file(${kalvex_packaging}/kalvex.1.in ${kalvex_manual} @ONLY)
install(FILES ${kalvex_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${kalvex_packaging}/kalvex.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kalvex)

if(KALVEX_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entry
      COMMAND ${DESKTOP_FILE_VALIDATE} ${kalvex_packaging}/${KALVEX_APP_ID}.desktop)
    add_test(NAME packaging_import_entry
      COMMAND ${DESKTOP_FILE_VALIDATE} ${kalvex_packaging}/${KALVEX_APP_ID}.Import.desktop)
  endif()
  find_program(XMLLINT xmllint)
  if(XMLLINT)
    add_test(NAME packaging_mime_type COMMAND ${XMLLINT} --noout ${kalvex_packaging}/${KALVEX_APP_ID}.mime.xml)
  endif()
  find_program(GROFF groff)
  if(GROFF)
    # Any warning groff gives about the page fails the test.
    add_test(NAME packaging_manual_page
      COMMAND sh -c "! ${GROFF} -man -ww -z '${kalvex_manual}' 2>&1 | grep .")
  endif()
  if(APPSTREAMCLI)
    add_test(NAME packaging_metainfo COMMAND ${APPSTREAMCLI} validate --no-net ${kalvex_metainfo})
  endif()
endif()

# Debian package. Its dependencies come from the libraries the program links, found by
# dpkg-shlibdeps (package dpkg-dev); libqt6svg6 among them also brings the SVG icon plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvex)
set(CPACK_PACKAGE_VENDOR "Qor Corporation")
set(CPACK_PACKAGE_CONTACT "Qor Corporation <kalvex@qorcorporation.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for the desktop")
set(CPACK_PACKAGE_DESCRIPTION "Kalvex! converts a value typed in one unit into every other unit of a
conversion group at once: temperature, distance, mass, volume, area, angle,
power, energy, pressure, time, force, density, velocity, money, acceleration
and up to twenty groups of the user's own, with a library of extra groups
(data size, frequency, flow rate, torque, fuel consumption) to import.
Factors and units can be edited.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
