#include "records/record_files.h"

#include <system_error>

#include "records/record_lock.h"
#include "records/record_update.h"

namespace klotix {
namespace {

// Makes the folder that holds `file`, and those above it, when missing;
// false with the reason in `error` when it cannot be made.
bool makeFolderOf(const std::filesystem::path& file, FileError& error) {
  const std::filesystem::path folder = file.parent_path();
  std::error_code ec;
  if (folder.empty() || std::filesystem::create_directories(folder, ec) || !ec) return true;
  error = FileError::of("cannot create folder", folder, ec);
  error.placeIsFolder = true;
  return false;
}

}  // namespace

LoadResult loadRecords(const RecordFiles& files, RecordTables& tables) {
  std::error_code ec;
  const bool useFallback = !files.readOnlyFallback.empty() && !std::filesystem::exists(files.file, ec) && !ec;
  return Load(useFallback ? files.readOnlyFallback : files.file, tables);
}

SaveResult enterResult(const RecordFiles& files, RecordTables& tables, int level, const std::string& name,
                       std::int32_t points, std::chrono::milliseconds patience) {
  // The lock lies beside the file that is replaced, also behind a link.
  const std::filesystem::path target = followLinks(files.file);
  FileError folderError;
  const bool folderMade = makeFolderOf(target, folderError);
  const RecordLock lock(target, patience);
  // Reading needs no lock (saves replace the file whole), so a result that
  // changes nothing needs none either.
  const LoadResult loaded = loadRecords(files, tables);
  if (!recordResult(tables, level, name, points)) return {};
  // Without its folder the lock fails too, for a reason that would send
  // the player looking for a missing file.
  if (!folderMade) return saveFailed(folderError);
  if (!lock.held()) return saveFailed(lock.error());
  return Save(files.file, tables, loaded);
}

}  // namespace klotix
