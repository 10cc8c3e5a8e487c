// Child processes on Windows: CreateProcessW and TerminateProcess.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <filesystem>

#include "support/child_process.h"

namespace klotix::testing {
namespace {

constexpr UINT kKilledExitCode = 0xDEAD;

std::wstring wide(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

std::string utf8(const wchar_t* text) {
  const std::u8string converted = std::filesystem::path(text).u8string();
  return {converted.begin(), converted.end()};
}

// `arg` quoted for a command line. The tests hand their children only file
// names and numbers, which hold no quote and end in no backslash, so plain
// quotes split them again as given.
std::wstring quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

}  // namespace

std::vector<std::string> argumentsOf(int, char**) {
  int count = 0;
  wchar_t** wideArgs = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) args.push_back(utf8(wideArgs[i]));
  ::LocalFree(wideArgs);
  return args;
}

ChildProcess::ChildProcess(std::string_view role, const std::vector<std::string>& args) {
  wchar_t program[MAX_PATH];
  ::GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command = quoted(program) + L" " + wide(std::string(kChildFlag)) + L" " + wide(std::string(role));
  for (const std::string& arg : args) command += L" " + quoted(wide(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ::CloseHandle(info.hThread);
    process_ = reinterpret_cast<std::intptr_t>(info.hProcess);
  }
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (!status_) {
    kill();
    wait();
  }
  ::CloseHandle(reinterpret_cast<HANDLE>(process_));
}

void ChildProcess::kill() {
  if (started()) ::TerminateProcess(reinterpret_cast<HANDLE>(process_), kKilledExitCode);
}

int ChildProcess::wait() {
  if (!started() || status_) return status_.value_or(kKilled);
  const HANDLE process = reinterpret_cast<HANDLE>(process_);
  ::WaitForSingleObject(process, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(process, &code);
  status_ = code == kKilledExitCode ? kKilled : static_cast<int>(code);
  return *status_;
}

}  // namespace klotix::testing
