// Replacing a whole file so that a reader, or the file after a crash or a
// full disk, shows either the old content or the new one, never a mix: the
// bytes go to a temporary file beside the target, are forced to disk, and
// the temporary is then renamed over the target. POSIX only.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace klotix {

// Why a file operation failed: the step with the path it failed on, for a
// log, and the system's own words for the cause, for the player.
struct FileError {
  std::string step;    // "cannot create /home/anna/Klotix.dat.tmp"
  std::string reason;  // "Permission denied"

  std::string text() const { return step + ": " + reason; }
};

// The system calls of one atomic write, gathered so that a test can make
// any single step fail (return -1 and set errno) without touching a disk.
// Intentionally copyable: a test copies the system steps and replaces one.
struct AtomicWriteSteps {
  int (*open)(const char* path, int flags, mode_t mode) = nullptr;
  ssize_t (*write)(int fd, const void* data, std::size_t size) = nullptr;
  int (*fsync)(int fd) = nullptr;
  int (*close)(int fd) = nullptr;
  int (*rename)(const char* from, const char* to) = nullptr;
  int (*unlink)(const char* path) = nullptr;
};

// The real system calls.
const AtomicWriteSteps& systemWriteSteps();

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

}  // namespace klotix
