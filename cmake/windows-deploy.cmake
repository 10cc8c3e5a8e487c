# What klotix.exe takes along on Windows when cross-built here, laid out as
# Qt's windeployqt lays it out (Qt 6.4's deployment needs windeployqt,
# which Linux hosts lack). Included by src/app after the klotix target:
#
#   bin/klotix.exe                  the program
#   bin/Qt6{Core,Gui,Widgets}.dll   Qt, in its own DLLs (LGPL)
#   bin/lib*.dll                    the MinGW runtime: one C++ runtime for
#                                   the program and Qt
#   bin/platforms/, bin/styles/     Qt's Windows platform and style plugins
#   bin/translations/qtbase_*.qm    Qt's own texts, from Debian's catalogues
#   bin/qt.conf                     tells Qt its files are beside the program
#   licenses/                       the licence texts of all of the above
#
# The catalogues of Klotix itself and the skin are installed by src/app.

# The runtime DLLs of the compiler that built Qt and Klotix.
set(klotix_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  file(REAL_PATH "${path}" path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found")
  endif()
  list(APPEND klotix_runtime_dlls ${path})
endforeach()

set(bin ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> ${klotix_runtime_dlls}
        DESTINATION ${bin})
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

# The MinGW runtime's DLLs come with their debugging data; a player needs
# none of it.
install(CODE "
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \"\${CMAKE_INSTALL_PREFIX}/${bin}/\${dll}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

# Licences: Klotix's, Qt's with word of the source it was built from (made
# by scripts/windows-qt), and the GCC runtime's and MinGW-w64's as Debian
# ships them.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Klotix-LICENSE.txt)
install(DIRECTORY ${qt_prefix}/licenses/ DESTINATION licenses)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME gcc-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME mingw-w64-copyright.txt)
