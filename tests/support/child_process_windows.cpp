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

// `arg` quoted for a command line as the C runtime splits it again:
// backslashes count only before a quote, where they are doubled.
std::wstring quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

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
