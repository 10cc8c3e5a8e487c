// Holds a file open the way another program that uses it would, shared
// with nobody, so that it can be neither written nor removed:
//
//   hold_file.exe FILE
//
// Prints "held" once the file is open, then holds it until its standard
// input ends. Exits with 1 when the file cannot be opened.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 2) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::puts("held");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  CloseHandle(file);
  return 0;
}
