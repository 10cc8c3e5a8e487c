# Run by CPack on the staged tree of a package, before packing it: in the
# Debian package the executable lives in /usr/games, as Debian does for
# games. The skin's place, ../share/klotix from the executable's folder,
# stays the same. Other package kinds keep /usr/bin. Then the tree's modes
# are made the same for every build.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/klotix" "${usr}/games/klotix")
file(GLOB left "${usr}/bin/*")
if(left)
  message(FATAL_ERROR "only the executable belongs in bin/, found also: ${left}")
endif()
file(REMOVE_RECURSE "${usr}/bin")

include(${CMAKE_CURRENT_LIST_DIR}/stage-normalize.cmake)
klotix_normalize_stage("${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
