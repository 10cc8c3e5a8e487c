# Which DLLs a Windows program takes along, read from the programs' own
# imports rather than from a list: a DLL that Klotix, Qt or a plugin comes
# to need is shipped without anyone naming it.
#
#   klotix_runtime_dlls(<out> OBJDUMP <objdump> SYSTEM_LIBRARIES <folder>
#                       BINARIES <exe or dll>... FOLDERS <folder>...)
#
# Sets <out> to the full paths of the DLLs that BINARIES import, directly
# or through each other, found in FOLDERS (the first folder that has one
# wins; Windows' names ignore case). A DLL in none of the folders must be
# part of Windows: an API set (api-ms-*, ext-ms-*), or a DLL for which MinGW
# has an import library (lib<name>.a in SYSTEM_LIBRARIES). Any other is a
# DLL the package would lack, and an error.
function(klotix_runtime_dlls out)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OBJDUMP;SYSTEM_LIBRARIES" "BINARIES;FOLDERS")
  set(known "")
  foreach(folder IN LISTS arg_FOLDERS)
    file(GLOB dlls "${folder}/*.dll")
    foreach(dll IN LISTS dlls)
      get_filename_component(name "${dll}" NAME)
      string(TOLOWER "${name}" key)
      if(NOT DEFINED "path_${key}")
        set("path_${key}" "${dll}")
      endif()
    endforeach()
  endforeach()

  set(found "")
  set(seen "")
  set(queue ${arg_BINARIES})
  while(queue)
    list(POP_FRONT queue binary)
    execute_process(COMMAND "${arg_OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
      string(REGEX REPLACE "^DLL Name: *" "" name "${import}")
      string(TOLOWER "${name}" key)
      # Also run by install scripts, where if(IN_LIST) is unknown.
      list(FIND seen "${key}" index)
      if(NOT index EQUAL -1)
        continue()
      endif()
      list(APPEND seen "${key}")
      if(DEFINED "path_${key}")
        list(APPEND found "${path_${key}}")
        list(APPEND queue "${path_${key}}")
        continue()
      endif()
      string(REGEX REPLACE "\\.dll$" "" stem "${key}")
      if(NOT key MATCHES "^(api|ext)-ms-" AND NOT EXISTS "${arg_SYSTEM_LIBRARIES}/lib${stem}.a")
        get_filename_component(importer "${binary}" NAME)
        message(FATAL_ERROR "${importer} needs ${name}, which is neither in ${arg_FOLDERS} nor part of Windows")
      endif()
    endforeach()
  endwhile()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The folders a Windows program of this build finds its DLLs in: Qt's, and
# those of the compiler's libraries that hold DLLs (the C++ runtime, the
# threads library). Used at configure time, for the packages and for the
# tests run under Wine.
function(klotix_windows_dll_folders out)
  set(folders "")
  if(KLOTIX_WINDOWS_QT)
    list(APPEND folders "${KLOTIX_WINDOWS_QT}/bin")
  endif()
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-search-dirs
                  OUTPUT_VARIABLE dirs COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "libraries: =[^\n]*" dirs "${dirs}")
  string(REGEX REPLACE "^libraries: =" "" dirs "${dirs}")
  string(REPLACE ":" ";" dirs "${dirs}")
  foreach(dir IN LISTS dirs)
    file(GLOB dlls "${dir}/*.dll")
    if(dlls)
      file(REAL_PATH "${dir}" dir)
      list(APPEND folders "${dir}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(${out} "${folders}" PARENT_SCOPE)
endfunction()
