#include <windows.h>

#include "app/console.h"

namespace klotix {

namespace {

// Where each stream's text goes, once attachToConsole has decided.
HANDLE target[2] = {INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE};

int indexOf(ConsoleStream stream) { return stream == ConsoleStream::kOutput ? 0 : 1; }

HANDLE standardHandle(int index) { return GetStdHandle(index == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE); }

// A handle that leads somewhere: a file, a pipe or a character device.
bool leadsSomewhere(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool redirected(HANDLE handle) {
  return leadsSomewhere(handle) && (GetFileType(handle) == FILE_TYPE_DISK || GetFileType(handle) == FILE_TYPE_PIPE);
}

}  // namespace

bool attachToConsole() {
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    // Started from a console window (cmd.exe, PowerShell): a stream the
    // user redirected keeps its file or pipe, the others write into the
    // window.
    for (int index : {0, 1}) {
      const HANDLE given = standardHandle(index);
      target[index] = redirected(given) ? given
                                        : CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                                      nullptr, OPEN_EXISTING, 0, nullptr);
    }
    return true;
  }
  // No console: only what a starting program handed over, if anything.
  for (int index : {0, 1}) target[index] = standardHandle(index);
  return leadsSomewhere(target[0]) || leadsSomewhere(target[1]);
}

void writeToConsole(ConsoleStream stream, const QString& text) {
  const HANDLE handle = target[indexOf(stream)];
  if (!leadsSomewhere(handle)) return;
  DWORD written = 0;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    // A console shows UTF-16 as it is, whatever its code page.
    (void)WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    const QByteArray bytes = text.toLocal8Bit();
    (void)WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
}

}  // namespace klotix
