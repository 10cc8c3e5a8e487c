#include "records/record_lock.h"

#include <thread>

#include "records/shown_text.h"

namespace klotix {
namespace {

constexpr std::chrono::milliseconds kRetryEvery{20};

}  // namespace

std::filesystem::path RecordLock::pathFor(const std::filesystem::path& file) { return withSuffix(file, ".lock"); }

RecordLock::RecordLock(const std::filesystem::path& file, std::chrono::milliseconds patience)
    : path_(pathFor(file)) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    std::error_code code;
    const platform::LockAttempt attempt = platform::tryLockFile(path_, file_, code);
    if (attempt == platform::LockAttempt::kHeld) return;
    if (attempt == platform::LockAttempt::kFailed) {
      error_ = FileError::of("cannot lock", path_, code);
      return;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      // Busy to the end: another copy saving, unless the system kept
      // refusing for a reason of its own. The player is shown the reason.
      error_ = code ? FileError::of("cannot lock", path_, code)
                    : FileError{"cannot lock " + pathText(path_),
                                KLOTIX_TRANSLATE_NOOP("klotix::Dialogs",
                                                      "Another copy of Klotix is saving its records"),
                                pathText(path_)};
      return;
    }
    std::this_thread::sleep_for(kRetryEvery);
  }
}

RecordLock::~RecordLock() {
  // Removed while still locked: whoever opens the name afterwards makes a
  // new lock file, and whoever already waits on this one sees that it was
  // removed and starts again.
  if (held()) platform::unlockAndRemove(path_, file_);
}

}  // namespace klotix
