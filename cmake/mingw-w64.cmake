# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# for std::thread), running the tests under Wine.
#
# Without Qt (the Qt-free libraries and their tests) the C++ runtime is
# linked statically, so a test program needs no DLL beside it. With Qt,
# KLOTIX_WINDOWS_QT names a Qt for Windows built by scripts/windows-qt with
# these same compilers (cmake/mingw-w64-settings.cmake); the program and
# Qt's DLLs then share one C++ runtime, libstdc++-6.dll, shipped beside them.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-settings.cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(KLOTIX_WINDOWS_QT)
  # Qt for Windows is searched like the MinGW root; moc, rcc, uic and the
  # translation tools run on this machine and come from its own Qt, which
  # must be the same version.
  list(APPEND CMAKE_FIND_ROOT_PATH ${KLOTIX_WINDOWS_QT})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -static")
endif()

# Debian 12 keeps the 64-bit loader out of the PATH.
find_program(KLOTIX_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KLOTIX_WINE})
