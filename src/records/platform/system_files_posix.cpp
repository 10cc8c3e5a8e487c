// The system layer on Linux, macOS and other POSIX systems.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "records/platform/system_files.h"

namespace klotix::platform {
namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

int descriptor(NativeFile file) { return static_cast<int>(file); }

}  // namespace

std::error_code createForWriting(const std::filesystem::path& file, NativeFile& opened) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return lastError();
  opened = fd;
  return {};
}

std::error_code writeSome(NativeFile file, const char* data, std::size_t size, std::size_t& written) {
  const ssize_t taken = ::write(descriptor(file), data, size);
  if (taken < 0) return lastError();
  written = static_cast<std::size_t>(taken);
  return {};
}

std::error_code flushToDisk(NativeFile file) {
#ifdef F_FULLFSYNC
  // On macOS fsync() only hands the data to the drive, whose cache a power
  // cut empties; F_FULLFSYNC waits for the medium. File systems that lack
  // it (some network shares) still get the fsync() below.
  if (::fcntl(descriptor(file), F_FULLFSYNC) == 0) return {};
#endif
  return ::fsync(descriptor(file)) == 0 ? std::error_code{} : lastError();
}

std::error_code closeFile(NativeFile file) {
  return ::close(descriptor(file)) == 0 ? std::error_code{} : lastError();
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  // rename() replaces an existing target in one step, even while it is open.
  return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code{} : lastError();
}

std::error_code removeFile(const std::filesystem::path& file) {
  return ::unlink(file.c_str()) == 0 ? std::error_code{} : lastError();
}

std::error_code openForReading(const std::filesystem::path& file, NativeFile& opened) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return lastError();
  opened = fd;
  return {};
}

std::error_code readSome(NativeFile file, char* data, std::size_t size, std::size_t& taken) {
  ssize_t read = 0;
  do {
    read = ::read(descriptor(file), data, size);
  } while (read < 0 && errno == EINTR);
  if (read < 0) return lastError();
  taken = static_cast<std::size_t>(read);
  return {};
}

LockAttempt tryLockFile(const std::filesystem::path& lockFile, NativeFile& held, std::error_code& error) {
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = lastError();
    return LockAttempt::kFailed;
  }
  // flock() locks belong to the open file, so the kernel drops them when
  // the last descriptor closes, also when the process is killed.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int code = errno;
    ::close(fd);
    if (code == EWOULDBLOCK) return LockAttempt::kBusy;
    error = {code, std::system_category()};
    return LockAttempt::kFailed;
  }
  // The holder before may have removed the file between our open and our
  // lock; a lock on a removed file keeps no one out.
  struct stat locked {};
  struct stat named {};
  if (::fstat(fd, &locked) != 0 || ::stat(lockFile.c_str(), &named) != 0 || locked.st_dev != named.st_dev ||
      locked.st_ino != named.st_ino) {
    ::close(fd);
    return LockAttempt::kBusy;
  }
  held = fd;
  return LockAttempt::kHeld;
}

void unlockAndRemove(const std::filesystem::path& lockFile, NativeFile held) {
  ::unlink(lockFile.c_str());
  ::close(descriptor(held));
}

std::tm localTime(std::time_t time) {
  std::tm local{};
  ::localtime_r(&time, &local);
  return local;
}

}  // namespace klotix::platform
