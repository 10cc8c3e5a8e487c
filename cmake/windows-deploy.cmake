# What klotix.exe takes along on Windows when cross-built here, laid out as
# Qt's windeployqt lays it out (Qt 6.4's deployment needs windeployqt,
# which Linux hosts lack). Included by src/app after the klotix target:
#
#   bin/klotix.exe                  the program
#   bin/*.dll                       every DLL it and the plugins import, as
#                                   their imports name them: Qt's (LGPL) and
#                                   the MinGW runtime's (one C++ runtime for
#                                   the program and Qt)
#   bin/platforms/, bin/styles/     Qt's Windows platform and style plugins
#   bin/translations/qtbase_*.qm    Qt's own texts, from Debian's catalogues
#   bin/qt.conf                     tells Qt its files are beside the program
#   licenses/                       the licence texts of all of the above,
#                                   and the notices of the third-party code
#                                   inside Qt's DLLs (THIRD-PARTY.txt)
#
# The catalogues of Klotix itself and the skin are installed by src/app.
include(${PROJECT_SOURCE_DIR}/cmake/windows/runtime-dlls.cmake)
klotix_windows_dll_folders(klotix_dll_folders)
set(qt_prefix ${KLOTIX_WINDOWS_QT})
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(bin ${CMAKE_INSTALL_BINDIR})
set(plugins $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${bin}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${bin}/styles)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION ${bin})

# Qt's texts in the languages Klotix speaks, where Debian has them (no
# Swedish: Klotix brings its own stand-in).
set(qt_catalogues)
foreach(language ${KLOTIX_LANGUAGES})
  if(EXISTS /usr/share/qt6/translations/qtbase_${language}.qm)
    list(APPEND qt_catalogues /usr/share/qt6/translations/qtbase_${language}.qm)
  endif()
endforeach()
install(FILES ${qt_catalogues} DESTINATION ${bin}/translations)

# Licences: Klotix's, and Qt's with word of the source it was built from
# (made by scripts/windows-qt).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Klotix-LICENSE.txt)
install(DIRECTORY ${qt_prefix}/licenses/ DESTINATION licenses)

# The DLLs, read from the installed program's and plugins' imports, stripped
# of the debugging data the MinGW runtime comes with; then the notices of
# whatever third-party code they hold.
install(CODE "
  include(\"${PROJECT_SOURCE_DIR}/cmake/windows/runtime-dlls.cmake\")
  set(bin \"\${CMAKE_INSTALL_PREFIX}/${bin}\")
  set(folders \"${klotix_dll_folders}\")
  set(plugins \"${plugins}\")
  klotix_runtime_dlls(dlls OBJDUMP \"${CMAKE_OBJDUMP}\" SYSTEM_LIBRARIES \"${KLOTIX_MINGW_ROOT}/lib\"
    BINARIES \"\${bin}/$<TARGET_FILE_NAME:klotix>\"
             \"\${bin}/platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>\"
             \"\${bin}/styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>\"
    FOLDERS \${folders})
  file(INSTALL \${dlls} DESTINATION \"\${bin}\")
  foreach(dll IN LISTS dlls)
    get_filename_component(name \"\${dll}\" NAME)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${bin}/\${name}\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  execute_process(COMMAND \"${Python3_EXECUTABLE}\" \"${PROJECT_SOURCE_DIR}/cmake/windows/third-party-notices.py\"
                          \"${qt_prefix}/klotix-qt-record\" \"\${CMAKE_INSTALL_PREFIX}/licenses\" \"${Qt6_VERSION}\"
                          \${dlls} \${plugins}
                  COMMAND_ERROR_IS_FATAL ANY)
")
