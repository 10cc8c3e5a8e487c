#include "records/record_files.h"

#include <system_error>

#include "records/record_lock.h"
#include "records/record_update.h"

namespace klotix {

LoadResult loadRecords(const RecordFiles& files, RecordTables& tables) {
  std::error_code ec;
  const bool useFallback = !files.readOnlyFallback.empty() && !std::filesystem::exists(files.file, ec) && !ec;
  return Load(useFallback ? files.readOnlyFallback : files.file, tables);
}

SaveResult enterResult(const RecordFiles& files, RecordTables& tables, int level, const std::string& name,
                       std::int32_t points, std::chrono::milliseconds patience) {
  // The lock lies beside the file that is replaced, also behind a link.
  const RecordLock lock(followLinks(files.file), patience);
  // Reading needs no lock (saves replace the file whole), so a result that
  // changes nothing needs none either.
  const LoadResult loaded = loadRecords(files, tables);
  if (!recordResult(tables, level, name, points)) return {};
  if (!lock.held()) return saveFailed(lock.error());
  return Save(files.file, tables, loaded);
}

}  // namespace klotix
