#include "records/record_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace klotix {
namespace {

constexpr std::chrono::milliseconds kRetryEvery{20};

}  // namespace

std::filesystem::path RecordLock::pathFor(const std::filesystem::path& file) { return withSuffix(file, ".lock"); }

RecordLock::RecordLock(const std::filesystem::path& file, std::chrono::milliseconds patience)
    : path_(pathFor(file)) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!tryOnce()) {
    if (!error_.reason.empty()) return;
    if (std::chrono::steady_clock::now() >= deadline) {
      error_ = {"cannot lock " + path_.string(), "Another copy of Klotix is saving its records"};
      return;
    }
    std::this_thread::sleep_for(kRetryEvery);
  }
}

RecordLock::~RecordLock() {
  if (!held()) return;
  // Removed while still locked: whoever opens the name afterwards makes a
  // new lock file, and whoever already waits on this one sees it was
  // removed (tryOnce) and starts again.
  ::unlink(path_.c_str());
  ::close(fd_);
}

bool RecordLock::tryOnce() {
  const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    error_ = {"cannot create " + path_.string(), std::strerror(errno)};
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int code = errno;
    ::close(fd);
    if (code != EWOULDBLOCK) error_ = {"cannot lock " + path_.string(), std::strerror(code)};
    return false;
  }
  // The holder before may have removed the file between our open and our
  // lock; a lock on a removed file keeps no one out.
  struct stat locked {};
  struct stat named {};
  if (::fstat(fd, &locked) != 0 || ::stat(path_.c_str(), &named) != 0 || locked.st_dev != named.st_dev ||
      locked.st_ino != named.st_ino) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

}  // namespace klotix
