# Run by CPack on the staged tree of each Windows package, before packing:
# signs klotix.exe when a certificate is given (see cpack-options.cmake),
# and lays the portable copy out as one folder.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${root}/bin/klotix.exe")
  message(FATAL_ERROR "the staged tree ${root} holds no bin/klotix.exe")
endif()

if(NOT "$ENV{KLOTIX_SIGN_PKCS12}" STREQUAL "")
  execute_process(COMMAND "${CPACK_KLOTIX_SIGN}" "${root}/bin/klotix.exe" "${CPACK_NSIS_PACKAGE_NAME}"
                          "${CPACK_NSIS_URL_INFO_ABOUT}"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

# The portable copy: klotix.exe with everything it needs beside it, the
# skin included, so that it keeps its records beside itself wherever it is
# unpacked. bin/ and share/klotix/ become that one folder (their
# translations/ folders, Qt's catalogues and Klotix's, become one), and
# licenses/ stays a folder inside it.
if(CPACK_GENERATOR STREQUAL "ZIP")
  file(GLOB shared RELATIVE "${root}/share" "${root}/share/*")
  if(NOT shared STREQUAL "klotix")
    message(FATAL_ERROR "the portable copy takes only share/klotix, found share/ holding: ${shared}")
  endif()
  file(COPY "${root}/bin/" "${root}/share/klotix/" DESTINATION "${root}")
  file(REMOVE_RECURSE "${root}/bin" "${root}/share")
endif()
