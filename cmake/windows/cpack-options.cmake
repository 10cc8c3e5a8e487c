# Read by cpack for each kind of package it makes (CPACK_GENERATOR), after
# CPackConfig.cmake, when it runs: the time it writes, the package's file
# name, the portable copy's layout, and the signing the environment asks
# for.
include(${CMAKE_CURRENT_LIST_DIR}/../package-time.cmake)

if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-windows")
  # One folder without a version, rather than one named after the file.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGING_INSTALL_PREFIX "/${CPACK_KLOTIX_PORTABLE_FOLDER}")
endif()

# Signed with the maintainer's certificate, when one is given, or with the
# detached signatures of a published release (see sign): klotix.exe by
# prepare-stage.cmake, the uninstaller and setup.exe by makensis once it
# has written them. The signatures are kept in the package folder.
set(CPACK_KLOTIX_SIGNING "")
set(CPACK_KLOTIX_SIGNATURE_STORE "${CPACK_PACKAGE_DIRECTORY}/signatures")
if(NOT "$ENV{KLOTIX_SIGN_PKCS12}$ENV{KLOTIX_SIGNATURES}" STREQUAL "")
  set(CPACK_KLOTIX_SIGNED ON)
  foreach(role setup uninstall)
    set(sign_${role} "'\"${CPACK_KLOTIX_SIGN}\" \"%1\" ${role}.exe \"${CPACK_NSIS_PACKAGE_NAME}\" \"${CPACK_NSIS_URL_INFO_ABOUT}\" \"${CPACK_KLOTIX_SIGNATURE_STORE}\"' = 0")
  endforeach()
  set(CPACK_KLOTIX_SIGNING "!finalize ${sign_setup}\n!uninstfinalize ${sign_uninstall}")
endif()
