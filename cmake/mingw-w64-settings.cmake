# The MinGW-w64 compilers and flags that Klotix for Windows is built with,
# read by our toolchain (cmake/mingw-w64.cmake) and by scripts/windows-qt
# for Qt itself: the program and Qt's DLLs then share one C++ runtime,
# libstdc++-6.dll. Qt's recipe hash covers this file, so a change here
# builds Qt anew.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# MinGW's own headers and libraries, the import libraries of Windows' DLLs
# among them.
set(KLOTIX_MINGW_ROOT /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH ${KLOTIX_MINGW_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The linker writes no time into the PE headers and the export table, so
# that every build of one source gives the same bytes. (strip writes one
# again: SOURCE_DATE_EPOCH, which the packaging sets, decides which.)
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()
