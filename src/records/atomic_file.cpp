#include "records/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace klotix {
namespace {

int systemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

// Records why a step failed; `errno` must still be the step's own.
void setError(FileError* error, const char* step, const std::filesystem::path& path) {
  const int code = errno;
  if (error != nullptr) *error = {std::string(step) + " " + path.string(), std::strerror(code)};
}

// Writes all of `bytes`; write() may take fewer bytes than offered, or be
// interrupted before it takes any.
bool writeAll(const AtomicWriteSteps& steps, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = steps.write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = EIO;  // no progress and no reason given: treat as an I/O error
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

const AtomicWriteSteps& systemWriteSteps() {
  static const AtomicWriteSteps steps{&systemOpen, &::write, &::fsync, &::close, &std::rename, &::unlink};
  return steps;
}

std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix) {
  std::filesystem::path named = file;
  named += suffix;
  return named;
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& file) { return withSuffix(file, ".tmp"); }

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error, const AtomicWriteSteps& steps) {
  const std::filesystem::path temporary = temporaryPathFor(file);
  const std::string temporaryName = temporary.string();

  const int fd = steps.open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    setError(error, "cannot create", temporary);
    return false;
  }

  // Until the rename succeeds the target is untouched; on any failure only
  // the temporary has to go. The step's errno is reported, not cleanup's.
  const auto abandon = [&](const char* step, bool closeFirst) {
    setError(error, step, temporary);
    if (closeFirst) steps.close(fd);
    steps.unlink(temporaryName.c_str());
    return false;
  };

  if (!writeAll(steps, fd, bytes)) return abandon("cannot write", true);
  // Without fsync the rename could reach the disk before the data, and a
  // crash would leave an empty or partial file under the target's name.
  if (steps.fsync(fd) != 0) return abandon("cannot flush", true);
  if (steps.close(fd) != 0) return abandon("cannot close", false);
  if (steps.rename(temporaryName.c_str(), file.string().c_str()) != 0) {
    const int code = errno;
    steps.unlink(temporaryName.c_str());
    errno = code;
    setError(error, "cannot replace", file);
    return false;
  }
  return true;
}

}  // namespace klotix
