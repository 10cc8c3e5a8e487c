# The two ways Klotix reaches a Windows player, packed by CPack from the
# installed tree (see cmake/windows-deploy.cmake), as the .deb is:
#   klotix-<version>-windows.zip   the portable copy (cpack -G ZIP): one
#                                  folder, Klotix, to unpack anywhere; it
#                                  keeps its records beside klotix.exe, and
#                                  a newer zip unpacked over it keeps them
#   klotix-<version>-setup.exe     the installer (cpack -G NSIS, 64-bit, our
#                                  template cmake/windows/NSIS.template.in):
#                                  Program Files\Klotix, a Start-menu entry,
#                                  an uninstall entry; records in %APPDATA%
#
#   cmake --build build/windows-release --target windows_packages
#
# With KLOTIX_SIGN_PKCS12 (a PKCS#12 file) and KLOTIX_SIGN_PASSWORD in the
# environment, klotix.exe, the uninstaller and setup.exe are signed (see
# cmake/windows/sign), and their signatures kept detached in signatures/;
# KLOTIX_SIGN_TIMESTAMP_URL, when set, names the time-stamping service.
# With KLOTIX_SIGNATURES naming a folder of detached signatures, those are
# attached instead. Without either nothing is signed.
find_program(KLOTIX_MAKENSIS makensis REQUIRED)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${KLOTIX_INSTALL_FOLDER})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${KLOTIX_UNINSTALL_KEY})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The portable copy's folder has no version in its name, so that the next
# version unpacks over it and finds the records beside klotix.exe.
set(CPACK_KLOTIX_PORTABLE_FOLDER ${KLOTIX_NAME})

set(CPACK_NSIS_EXECUTABLE ${KLOTIX_MAKENSIS})
set(CPACK_NSIS_PACKAGE_NAME ${KLOTIX_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${KLOTIX_NAME})
set(CPACK_NSIS_UNINSTALL_NAME uninstall)
set(CPACK_NSIS_URL_INFO_ABOUT ${KLOTIX_HOMEPAGE})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/icons/klotix.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_KLOTIX_RUNNING_MUTEX ${KLOTIX_RUNNING_MUTEX})
set(CPACK_KLOTIX_EXIT_KLOTIX_RUNS ${KLOTIX_EXIT_KLOTIX_RUNS})
set(CPACK_KLOTIX_EXIT_FILES_HELD ${KLOTIX_EXIT_FILES_HELD})
set(CPACK_KLOTIX_TEXTS ${CMAKE_CURRENT_LIST_DIR}/windows/installer-texts.nsh)
# The installer's languages are the game's: NSIS's names for English and
# for each of KLOTIX_LANGUAGES. The first is used where the player's
# language is none of them.
set(nsis_language_en English)
set(nsis_language_de German)
set(nsis_language_es Spanish)
set(nsis_language_fr French)
set(nsis_language_it Italian)
set(nsis_language_ja Japanese)
set(nsis_language_ko Korean)
set(nsis_language_nl Dutch)
set(nsis_language_pl Polish)
set(nsis_language_pt_BR PortugueseBR)
set(nsis_language_ru Russian)
set(nsis_language_sv Swedish)
set(nsis_language_uk Ukrainian)
set(nsis_language_zh_CN SimpChinese)
set(CPACK_KLOTIX_NSIS_LANGUAGES "")
foreach(language en ${KLOTIX_LANGUAGES})
  if(NOT DEFINED nsis_language_${language})
    message(FATAL_ERROR "No installer language is known for ${language}")
  endif()
  string(APPEND CPACK_KLOTIX_NSIS_LANGUAGES "!insertmacro MUI_LANGUAGE ${nsis_language_${language}}\n")
endforeach()

# Our template, instead of CPack's own.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
# Per package kind: its file name, the portable layout, and the signing
# the environment asks for (read when cpack runs, not when CMake does).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows/cpack-options.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows/prepare-stage.cmake)
set(CPACK_KLOTIX_SIGN ${CMAKE_CURRENT_LIST_DIR}/windows/sign)
include(CPack)

set(KLOTIX_PORTABLE_ZIP ${CMAKE_BINARY_DIR}/klotix-${PROJECT_VERSION}-windows.zip)
set(KLOTIX_SETUP_EXE ${CMAKE_BINARY_DIR}/klotix-${PROJECT_VERSION}-setup.exe)
# A new run signs anew rather than take the signatures of the last.
add_custom_target(windows_packages
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/signatures
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${CMAKE_BINARY_DIR}
  COMMENT "Packing klotix-${PROJECT_VERSION}-windows.zip and klotix-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
add_dependencies(windows_packages klotix)

# Who Klotix is, for the Windows tests.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/klotix-identity.json CONTENT [[{
  "name": "@KLOTIX_NAME@",
  "publisher": "@KLOTIX_PUBLISHER@",
  "homepage": "@KLOTIX_HOMEPAGE@",
  "version": "@PROJECT_VERSION@",
  "uninstall_key": "@KLOTIX_UNINSTALL_KEY@",
  "running_mutex": "@KLOTIX_RUNNING_MUTEX@",
  "install_folder": "@KLOTIX_INSTALL_FOLDER@",
  "records_folder": "@KLOTIX_RECORDS_FOLDER@",
  "exit_klotix_runs": @KLOTIX_EXIT_KLOTIX_RUNS@,
  "exit_files_held": @KLOTIX_EXIT_FILES_HELD@,
  "portable_folder": "@CPACK_KLOTIX_PORTABLE_FOLDER@"
}
]] @ONLY)
