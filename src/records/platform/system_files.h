// What the record code asks of the operating system: writing a new file and
// moving it over an old one, reading a file, a lock between processes and
// the local time of day. Declared once here and implemented once per
// system (system_files_posix.cpp, system_files_windows.cpp); the build picks
// the one for its target, and nothing above this layer knows which it got.
//
// Paths reach the system in its own form (wide strings on Windows), never
// through an 8-bit code page. Failures come back as std::error_code in the
// system's category, so message() is the system's own text for the player.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

namespace klotix::platform {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using NativeFile = std::intptr_t;
inline constexpr NativeFile kNoFile = -1;

// Writing a whole new file

// Creates `file` for writing, or empties it if it exists; bytes are written
// exactly as given, with no line-end translation.
std::error_code createForWriting(const std::filesystem::path& file, NativeFile& opened);

// Writes some of `size` bytes and tells how many in `written`; may take
// fewer than offered. An interrupted call reports std::errc::interrupted.
std::error_code writeSome(NativeFile file, const char* data, std::size_t size, std::size_t& written);

// Forces what was written to `file` onto the disk itself, not only into the
// system's or the drive's cache.
std::error_code flushToDisk(NativeFile file);

// Closes `file`; it is closed even when an error is reported.
std::error_code closeFile(NativeFile file);

// Moves `from` over `to` in one step, replacing `to` if it exists, so that
// `to` names the old file or the new one and never neither. Where another
// program may hold `to` open for a moment (a reader, a virus scanner) the
// move is retried briefly before it fails.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the name `file`.
std::error_code removeFile(const std::filesystem::path& file);

// Reading

// Opens `file` for reading, sharing it with writers, so that another
// process may replace it meanwhile. Close it with closeFile.
std::error_code openForReading(const std::filesystem::path& file, NativeFile& opened);

// Reads some of the next `size` bytes into `data` and tells how many in
// `taken`; 0 at the end of the file.
std::error_code readSome(NativeFile file, char* data, std::size_t size, std::size_t& taken);

// A lock between processes

enum class LockAttempt {
  kHeld,    // the lock is ours
  kBusy,    // another process holds it, or is just removing its lock file
  kFailed,  // the lock file cannot be made or locked: retrying cannot help
};

// One attempt to lock `lockFile`, created when missing, without waiting.
// On kHeld, `held` is the open lock file. On kFailed, and on a kBusy that
// may also be a lasting refusal (Windows denies access both to a lock file
// being removed and to a folder that cannot be written), `error` says why.
// The system drops the lock when the holding process ends, however it ends.
LockAttempt tryLockFile(const std::filesystem::path& lockFile, NativeFile& held, std::error_code& error);

// Removes `lockFile` and then releases the lock held through `held`, so a
// process waiting on the removed file tries again with a new one.
void unlockAndRemove(const std::filesystem::path& lockFile, NativeFile held);

// Time

// The local calendar time of `time`.
std::tm localTime(std::time_t time);

}  // namespace klotix::platform
