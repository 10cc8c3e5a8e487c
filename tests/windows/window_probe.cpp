// Lists the visible top-level windows of the Windows session it runs in,
// one line each: the client area's width and height as Windows reports
// them (GetClientRect), a tab, and the title in UTF-8. The end-to-end test
// runs it under Wine beside klotix.exe to see the windows from inside
// Windows, as a Windows program would.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK printWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t title[512] = {};
  const int length = GetWindowTextW(window, title, 512);
  if (length == 0) return TRUE;
  RECT client = {};
  if (!GetClientRect(window, &client)) return TRUE;
  char utf8[2048] = {};
  WideCharToMultiByte(CP_UTF8, 0, title, length, utf8, sizeof utf8 - 1, nullptr, nullptr);
  std::printf("%ldx%ld\t%s\n", client.right - client.left, client.bottom - client.top, utf8);
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(printWindow, 0);
  return 0;
}
