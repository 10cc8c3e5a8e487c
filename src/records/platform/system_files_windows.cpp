// The system layer on Windows: wide-character calls only, so any folder
// name works whatever the system's 8-bit code page.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "records/platform/system_files.h"

namespace klotix::platform {
namespace {

// A move over a file that a reader, an indexer or a virus scanner holds
// open for a moment is refused; it is tried again for about a second.
constexpr int kMoveAttempts = 100;
constexpr std::chrono::milliseconds kMoveRetryEvery{10};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::error_code errorOf(DWORD code) { return {static_cast<int>(code), std::system_category()}; }
std::error_code lastError() { return errorOf(::GetLastError()); }

HANDLE handleOf(NativeFile file) { return reinterpret_cast<HANDLE>(file); }
NativeFile fileOf(HANDLE handle) { return reinterpret_cast<NativeFile>(handle); }

bool sameFile(HANDLE first, HANDLE second) {
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  return ::GetFileInformationByHandle(first, &a) && ::GetFileInformationByHandle(second, &b) &&
         a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

std::error_code createForWriting(const std::filesystem::path& file, NativeFile& opened) {
  const HANDLE handle =
      ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  opened = fileOf(handle);
  return {};
}

std::error_code writeSome(NativeFile file, const char* data, std::size_t size, std::size_t& written) {
  const DWORD offered = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  DWORD taken = 0;
  if (!::WriteFile(handleOf(file), data, offered, &taken, nullptr)) return lastError();
  written = taken;
  return {};
}

std::error_code flushToDisk(NativeFile file) {
  return ::FlushFileBuffers(handleOf(file)) ? std::error_code{} : lastError();
}

std::error_code closeFile(NativeFile file) {
  return ::CloseHandle(handleOf(file)) ? std::error_code{} : lastError();
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  DWORD code = ERROR_SUCCESS;
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kMoveRetryEvery);
    // Write-through: the move is on the disk when the call returns.
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    code = ::GetLastError();
    if (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION) break;
  }
  return errorOf(code);
}

std::error_code removeFile(const std::filesystem::path& file) {
  return ::DeleteFileW(file.c_str()) ? std::error_code{} : lastError();
}

std::error_code openForReading(const std::filesystem::path& file, NativeFile& opened) {
  // Shared for deleting too, so that another copy of the program can move
  // its new file over this one while it is being read.
  const HANDLE handle =
      ::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  opened = fileOf(handle);
  return {};
}

std::error_code readSome(NativeFile file, char* data, std::size_t size, std::size_t& taken) {
  DWORD read = 0;
  if (!::ReadFile(handleOf(file), data, static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)), &read, nullptr)) {
    return lastError();
  }
  taken = read;
  return {};
}

LockAttempt tryLockFile(const std::filesystem::path& lockFile, NativeFile& held, std::error_code& error) {
  // Shared for deleting, so the holder can remove the file while others
  // have it open and wait.
  const HANDLE handle = ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    error = errorOf(code);
    // A file whose removal is pending refuses every open with "access
    // denied" until its last handle closes: busy, not broken. A folder in
    // the lock file's place refuses the same way, for good.
    const DWORD attributes = ::GetFileAttributesW(lockFile.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return code == ERROR_ACCESS_DENIED && !folder ? LockAttempt::kBusy : LockAttempt::kFailed;
  }
  OVERLAPPED first{};  // the lock covers the file's first byte
  if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &first)) {
    const DWORD code = ::GetLastError();
    ::CloseHandle(handle);
    if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return LockAttempt::kBusy;
    error = errorOf(code);
    return LockAttempt::kFailed;
  }
  // The holder before may have removed the file between our open and our
  // lock; a lock on a removed file keeps no one out. The name must still
  // lead to the very file we locked.
  const HANDLE named = ::CreateFileW(lockFile.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  const bool same = named != INVALID_HANDLE_VALUE && sameFile(handle, named);
  if (named != INVALID_HANDLE_VALUE) ::CloseHandle(named);
  if (!same) {
    ::CloseHandle(handle);  // closing releases the lock
    return LockAttempt::kBusy;
  }
  held = fileOf(handle);
  return LockAttempt::kHeld;
}

void unlockAndRemove(const std::filesystem::path& lockFile, NativeFile held) {
  ::DeleteFileW(lockFile.c_str());
  ::CloseHandle(handleOf(held));
}

std::tm localTime(std::time_t time) {
  std::tm local{};
  ::localtime_s(&local, &time);
  return local;
}

}  // namespace klotix::platform
