// An exclusive lock on a record file, held between processes: two copies of
// Klotix that end a game at the same moment take turns, so neither saves
// over a result the other has just saved. The lock is a file beside the
// record file, "<file>.lock", locked through the system layer: the system
// releases it when its process ends, however it ends, so a lock left by a
// crash never blocks anyone.
#pragma once

#include <chrono>
#include <filesystem>

#include "records/atomic_file.h"
#include "records/platform/system_files.h"

namespace klotix {

class RecordLock {
 public:
  // Takes the lock of `file`, waiting up to `patience` for another process
  // to release it. Whether it was had tells held(); why not, error().
  RecordLock(const std::filesystem::path& file, std::chrono::milliseconds patience);
  // Releases the lock and removes its file.
  ~RecordLock();
  RecordLock(const RecordLock&) = delete;
  RecordLock& operator=(const RecordLock&) = delete;

  bool held() const { return file_ != platform::kNoFile; }
  const FileError& error() const { return error_; }

  // The lock file of `file`: its name with ".lock" appended.
  static std::filesystem::path pathFor(const std::filesystem::path& file);

 private:
  std::filesystem::path path_;
  platform::NativeFile file_ = platform::kNoFile;
  FileError error_;
};

}  // namespace klotix
