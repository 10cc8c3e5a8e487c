# Read by cpack for each kind of package it makes (CPACK_GENERATOR), after
# CPackConfig.cmake, when it runs: the package's file name, the portable
# copy's layout, and the signing the environment asks for.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-windows")
  # One folder without a version, rather than one named after the file.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGING_INSTALL_PREFIX "/${CPACK_KLOTIX_PORTABLE_FOLDER}")
endif()

# Signed with the maintainer's certificate, when one is given: klotix.exe
# by prepare-stage.cmake, the uninstaller and setup.exe by makensis once it
# has written them.
set(CPACK_KLOTIX_SIGNING "")
if(NOT "$ENV{KLOTIX_SIGN_PKCS12}" STREQUAL "")
  set(sign "'\"${CPACK_KLOTIX_SIGN}\" \"%1\" \"${CPACK_NSIS_PACKAGE_NAME}\" \"${CPACK_NSIS_URL_INFO_ABOUT}\"' = 0")
  set(CPACK_KLOTIX_SIGNING "!finalize ${sign}\n!uninstfinalize ${sign}")
endif()
