# The two ways Klotix reaches a Windows player, both made from the
# installed tree (see cmake/windows-deploy.cmake), in the build folder:
#   klotix-<version>-windows.zip   the portable copy, one folder to unpack
#                                  anywhere; it keeps its records beside
#                                  klotix.exe where that folder takes files
#   klotix-<version>-setup.exe     the installer (NSIS, 64-bit): Program
#                                  Files\Klotix, a Start-menu entry and an
#                                  uninstall entry; records in %APPDATA%
#
#   cmake --build build/windows-release --target windows_packages
find_program(KLOTIX_MAKENSIS makensis REQUIRED)

set(stage ${CMAKE_BINARY_DIR}/stage)
set(KLOTIX_PORTABLE_ZIP ${CMAKE_BINARY_DIR}/klotix-${PROJECT_VERSION}-windows.zip)
set(KLOTIX_SETUP_EXE ${CMAKE_BINARY_DIR}/klotix-${PROJECT_VERSION}-setup.exe)
add_custom_target(windows_packages
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DNAME=klotix-${PROJECT_VERSION}-windows -DOUTPUT=${KLOTIX_PORTABLE_ZIP}
          -P ${CMAKE_CURRENT_LIST_DIR}/windows/make-portable.cmake
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DVERSION=${PROJECT_VERSION}
          -DICON=${PROJECT_SOURCE_DIR}/data/icons/klotix.ico -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DOUTPUT=${KLOTIX_SETUP_EXE} -DMAKENSIS=${KLOTIX_MAKENSIS}
          -P ${CMAKE_CURRENT_LIST_DIR}/windows/make-installer.cmake
  COMMENT "Packing klotix-${PROJECT_VERSION}-windows.zip and klotix-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
add_dependencies(windows_packages klotix)
