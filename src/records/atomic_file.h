// Replacing a whole file so that a reader, or the file after a crash or a
// full disk, shows either the old content or the new one, never a mix: the
// bytes go to a temporary file beside the target, are forced to disk, and
// the temporary is then moved over the target in one step.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "records/platform/system_files.h"

namespace klotix {

// Why a file operation failed: the step with the path it failed on, for a
// log; the system's own words for the cause, and the file or folder it
// failed on, for the player.
struct FileError {
  std::string step;    // "cannot create /home/anna/Klotix.dat.tmp"
  std::string reason;  // "Permission denied"
  std::string place;   // "/home/anna/Klotix.dat.tmp"
  bool placeIsFolder = false;

  // `what` ("cannot create") and `path` as the step, `code`'s message as
  // the reason, `path` as the place.
  static FileError of(std::string_view what, const std::filesystem::path& path, std::error_code code);

  std::string text() const { return step + ": " + reason; }
};

// The system calls of one atomic write, gathered so that a test can make
// any single step fail (return an error) without touching a disk. Each
// step does what its namesake in platform/system_files.h does.
// Intentionally copyable: a test copies the system steps and replaces one.
struct AtomicWriteSteps {
  using NativeFile = platform::NativeFile;
  using Path = std::filesystem::path;
  std::error_code (*create)(const Path& file, NativeFile& opened) = nullptr;
  std::error_code (*write)(NativeFile file, const char* data, std::size_t size, std::size_t& written) = nullptr;
  std::error_code (*flush)(NativeFile file) = nullptr;
  std::error_code (*close)(NativeFile file) = nullptr;
  std::error_code (*replace)(const Path& from, const Path& to) = nullptr;
  std::error_code (*remove)(const Path& file) = nullptr;
};

// The real system calls.
const AtomicWriteSteps& systemWriteSteps();

// A file name as UTF-8 text for a message, in the system's own separators,
// never through the system's 8-bit code page, which on Windows cannot hold
// every name.
std::string pathText(const std::filesystem::path& path);

// The file named by the UTF-8 text `text`.
std::filesystem::path pathFromText(std::string_view text);

// The file beside `file` whose name is `file`'s with `suffix` appended, such
// as the backup "Klotix.dat.bak" or the lock "Klotix.dat.lock".
std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix);

// The temporary file used while `file` is replaced: its name with ".tmp"
// appended, in the same folder, so that the final rename cannot cross file
// systems. A leftover from a crash is simply overwritten by the next write.
std::filesystem::path temporaryPathFor(const std::filesystem::path& file);

// Writes `bytes` to `file`, creating it or replacing its whole content
// atomically. Returns true on success. On failure returns false, leaves any
// old `file` untouched, removes the temporary file and, when `error` is not
// null, stores the failed step and the system's message. Prints nothing.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error,
                         const AtomicWriteSteps& steps = systemWriteSteps());

// Copies the file `from` to `to` as writeFileAtomically writes, a chunk at a
// time, so that a file of any size needs little memory. A failure to read
// `from` is reported like a failed step, naming `from`.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to, FileError* error,
                        const AtomicWriteSteps& steps = systemWriteSteps());

// Reads `file` from its start a chunk at a time, handing each to `take`,
// until its end or until `limit` bytes have been handed over; stops at the
// first error of the system or of `take` and returns it.
std::error_code readChunks(const std::filesystem::path& file, std::size_t limit,
                           const std::function<std::error_code(std::string_view)>& take);

}  // namespace klotix
