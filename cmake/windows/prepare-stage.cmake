# Run by CPack on the staged tree of each Windows package, before packing:
# signs klotix.exe when asked to (see cpack-options.cmake), lays the
# portable copy out as one folder, gives every file the same modes on
# every build, and writes the installer's lists of the files it
# installs and removes, in name order.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${root}/bin/klotix.exe")
  message(FATAL_ERROR "the staged tree ${root} holds no bin/klotix.exe")
endif()

if(CPACK_KLOTIX_SIGNED)
  execute_process(COMMAND "${CPACK_KLOTIX_SIGN}" "${root}/bin/klotix.exe" klotix.exe "${CPACK_NSIS_PACKAGE_NAME}"
                          "${CPACK_NSIS_URL_INFO_ABOUT}" "${CPACK_KLOTIX_SIGNATURE_STORE}"
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

include(${CMAKE_CURRENT_LIST_DIR}/../stage-normalize.cmake)
klotix_normalize_stage("${CPACK_TEMPORARY_INSTALL_DIRECTORY}")

# The installer's file lists, which the template includes (rather than
# CPack's own, whose order is the folders' order on the builder's disk):
# KLOTIX_INSTALL_FILES puts every file in its folder; KLOTIX_DELETE_FILES
# and KLOTIX_REMOVE_FOLDERS take them away again, the deepest folder first.
if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE files RELATIVE "${root}" "${root}/*")
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${root}" "${root}/*")
  set(folders ${entries})
  list(REMOVE_ITEM folders ${files})
  set(install "!macro KLOTIX_INSTALL_FILES\n")
  set(delete "!macro KLOTIX_DELETE_FILES\n")
  set(last_folder "-")
  foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    if(NOT folder STREQUAL last_folder)
      string(REPLACE "/" "\\" windows_folder "${folder}")
      if(folder)
        string(PREPEND windows_folder "\\")
      endif()
      string(APPEND install "  SetOutPath \"$INSTDIR${windows_folder}\"\n")
      set(last_folder "${folder}")
    endif()
    string(REPLACE "/" "\\" windows_file "${file}")
    string(APPEND install "  File \"${root}/${file}\"\n")
    string(APPEND delete "  Delete \"$INSTDIR\\${windows_file}\"\n")
  endforeach()
  set(remove "!macro KLOTIX_REMOVE_FOLDERS\n")
  list(SORT folders)
  list(REVERSE folders)
  foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND remove "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
  endforeach()
  file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/klotix-files.nsh"
       "${install}!macroend\n${delete}!macroend\n${remove}!macroend\n")
endif()
