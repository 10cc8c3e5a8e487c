#include <windows.h>

#include <string>

#include "app/running_mark.h"
#include "ui/app_identity.h"

namespace klotix {

// The mark is a named mutex, held and never waited for: every copy of the
// game holds it, and it exists until the last copy ends. It is made under
// the name of this session and under the global one, so that an installer
// run by another user signed in at the same time sees the game too.
RunningMark::RunningMark() {
  const std::string name = kRunningMutexName;
  const std::wstring wide(name.begin(), name.end());
  for (const std::wstring& full : {wide, L"Global\\" + wide}) {
    if (HANDLE mutex = CreateMutexW(nullptr, FALSE, full.c_str())) handles_.push_back(mutex);
  }
}

RunningMark::~RunningMark() {
  for (void* mutex : handles_) CloseHandle(mutex);
}

}  // namespace klotix
