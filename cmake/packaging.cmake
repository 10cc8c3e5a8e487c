# Installation beyond the executable and its skin (see src/app): the desktop
# entry, the software-centre metadata, the icon in the hicolor theme, the
# manual page, the copyright and the changelog; and the Debian package built
# from the installed tree.
#
#   cmake --install build/release --prefix /opt/klotix
#   make package                         # build/package/klotix_<version>_<arch>.deb
#
# On Windows: a portable zip and an installer (see windows-packages.cmake);
# on macOS a disk image of the installed tree; both with Qt deployed into
# them (see src/app).

set(CPACK_PACKAGE_NAME klotix)
set(CPACK_PACKAGE_VENDOR ${KLOTIX_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${KLOTIX_CONTACT})
set(CPACK_PACKAGE_HOMEPAGE_URL ${KLOTIX_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling-blocks game for the desktop")
# Every package is the same bytes from every build of one commit: cpack
# takes the commit's time (package-time.cmake), the staged tree its modes
# and times from it (stage-normalize.cmake), and Debian's
# strip-nondeterminism evens out the archives CPack writes.
set(CPACK_KLOTIX_SOURCE_DATE_EPOCH ${KLOTIX_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-time.cmake)
find_program(KLOTIX_STRIP_NONDETERMINISM strip-nondeterminism)
set(CPACK_KLOTIX_STRIP_NONDETERMINISM ${KLOTIX_STRIP_NONDETERMINISM})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package-normalize.cmake)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows-packages.cmake)
  return()
endif()
if(APPLE)
  set(CPACK_GENERATOR DragNDrop)
  include(CPack)
  return()
endif()

# The desktop entry is named by the metainfo's component id, KLOTIX_APP_ID.
install(FILES ${PROJECT_SOURCE_DIR}/data/${KLOTIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${KLOTIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 64 128)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/klotix-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME klotix.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/klotix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the changelog are installed compressed, as Debian
# wants them; gzip -n leaves out name and time, so a rebuild gives the same
# bytes.
find_program(KLOTIX_GZIP gzip REQUIRED)
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/data/klotix.6.in ${docs}/klotix.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog ${docs}/changelog COPYONLY)
foreach(doc klotix.6 changelog)
  add_custom_command(OUTPUT ${docs}/${doc}.gz
    COMMAND ${KLOTIX_GZIP} -9 -n -k -f ${docs}/${doc}
    DEPENDS ${docs}/${doc} VERBATIM)
endforeach()
add_custom_target(klotix_docs ALL DEPENDS ${docs}/klotix.6.gz ${docs}/changelog.gz)
install(FILES ${docs}/klotix.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/klotix)

set(CPACK_GENERATOR DEB)
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pieces of four blocks fall into a playfield ten cells wide; steer and\n"
  "turn them so they fill whole rows, which then vanish. Three levels set\n"
  "the fall speed, and each keeps its own table of records.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian keeps games in /usr/games: this moves the executable there from
# the staged /usr/bin before the package is packed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-stage.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (from dpkg-dev) derives Depends from the libraries the
# executable links: Qt's core, gui and widgets libraries and the C++ runtime.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to those: Qt's own catalogues, for the buttons of the boxes and the
# command line's help in the player's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

include(CPack)
