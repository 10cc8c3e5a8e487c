# Packs a staged Windows install tree into Klotix's setup.exe with NSIS:
#
#   cmake -DSTAGE=<tree> -DVERSION=<x.y.z> -DICON=<klotix.ico>
#         -DOUTPUT=<dir>/klotix-<x.y.z>-setup.exe [-DMAKENSIS=makensis]
#         [-DLICENSE=<licence text>] -P make-installer.cmake
#
# The installer gets every file of the tree, and its uninstaller a Delete
# line for each of them and an RMDir (never /r) for each folder, deepest
# first, so that it removes exactly what was installed. Both lists are
# written beside OUTPUT, in <OUTPUT>-nsis/.
cmake_minimum_required(VERSION 3.25)

foreach(name STAGE VERSION ICON OUTPUT)
  if(NOT DEFINED ${name} OR "${${name}}" STREQUAL "")
    message(FATAL_ERROR "make-installer: ${name} is not given")
  endif()
endforeach()
if(NOT DEFINED MAKENSIS)
  set(MAKENSIS makensis)
endif()
if(NOT DEFINED LICENSE)
  set(LICENSE ${CMAKE_CURRENT_LIST_DIR}/../../LICENSE)
endif()
file(REAL_PATH "${STAGE}" STAGE)
file(REAL_PATH "${ICON}" ICON)
file(REAL_PATH "${LICENSE}" LICENSE)
file(REAL_PATH "${OUTPUT}" OUTPUT)
if(NOT EXISTS "${STAGE}/bin/klotix.exe")
  message(FATAL_ERROR "make-installer: ${STAGE} holds no bin/klotix.exe")
endif()
# The version goes into the registry as it is; it must not be able to
# break out of a quoted NSIS string.
if(NOT VERSION MATCHES "^[0-9A-Za-z.+~-]+$")
  message(FATAL_ERROR "make-installer: unusable VERSION '${VERSION}'")
endif()

# Where a file or folder of the stage goes, as a quoted NSIS string:
# Windows' separators, and $ doubled, as NSIS reads it as a variable's sign.
function(install_path out relative)
  string(REPLACE "$" "$$" path "${relative}")
  string(REGEX REPLACE "/$" "" path "$INSTDIR/${path}")
  string(REPLACE "/" "\\" path "${path}")
  set(${out} "\"${path}\"" PARENT_SCOPE)
endfunction()

if(STAGE MATCHES "[\"$]")
  message(FATAL_ERROR "make-installer: the stage's path ${STAGE} holds a \" or a $")
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT entries)
set(install_lines "")
set(delete_lines "")
set(folders "")
set(bytes 0)
foreach(entry IN LISTS entries)
  # Names Windows cannot hold, or that NSIS would read as a wildcard.
  if(entry MATCHES "[\\<>:\"|?*]")
    message(FATAL_ERROR "make-installer: no Windows file can be named ${entry}")
  endif()
  install_path(target "${entry}")
  if(IS_DIRECTORY "${STAGE}/${entry}")
    list(APPEND folders "${target}")
    string(APPEND install_lines "CreateDirectory ${target}\n")
  else()
    get_filename_component(parent "${entry}" DIRECTORY)
    install_path(folder "${parent}")
    string(APPEND install_lines "SetOutPath ${folder}\nFile \"${STAGE}/${entry}\"\n")
    string(APPEND delete_lines "Delete ${target}\n")
    file(SIZE "${STAGE}/${entry}" size)
    math(EXPR bytes "${bytes} + ${size}")
  endif()
endforeach()
# Sorted, a folder comes before the folders in it; reversed, after them.
list(REVERSE folders)
foreach(folder IN LISTS folders)
  string(APPEND delete_lines "RMDir ${folder}\n")
endforeach()
math(EXPR size_kb "(${bytes} + 1023) / 1024")

set(lists "${OUTPUT}-nsis")
file(WRITE "${lists}/install-files.nsh" "${install_lines}")
file(WRITE "${lists}/uninstall-files.nsh" "${delete_lines}")

execute_process(
  COMMAND "${MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8
          "-DSTAGE=${STAGE}" "-DVERSION=${VERSION}" "-DICON=${ICON}"
          "-DLICENSE=${LICENSE}" "-DOUTPUT=${OUTPUT}" "-DLISTS=${lists}"
          "-DSIZE_KB=${size_kb}" "${CMAKE_CURRENT_LIST_DIR}/installer.nsi"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-installer: makensis failed (${result})")
endif()
