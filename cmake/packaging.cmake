# Installation beyond the executable and its skin (see src/app): the desktop
# entry and the icon in the hicolor theme, and the Debian package built from
# the installed tree.
#
#   cmake --install build/release --prefix /opt/klotix
#   cd build/release && cpack            # klotix_<version>_<arch>.deb

install(FILES ${PROJECT_SOURCE_DIR}/data/klotix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32 64 128)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/klotix-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME klotix.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/klotix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME klotix)
set(CPACK_PACKAGE_VENDOR "Klotix developers")
set(CPACK_PACKAGE_CONTACT "Klotix developers <klotix@klotix.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://klotix.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling-blocks game for the desktop")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pieces of four blocks fall into a playfield ten cells wide; steer and\n"
  "turn them so they fill whole rows, which then vanish. Three levels set\n"
  "the fall speed, and each keeps its own table of records.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (from dpkg-dev) derives Depends from the libraries the
# executable links: Qt's core, gui and widgets libraries and the C++ runtime.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
