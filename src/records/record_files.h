// Where a run keeps its records, and the two ways the windows use them: the
// main window reads the tables at every opening, and the end of a game
// enters its result and saves the file when the result changed it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "records/record_file.h"
#include "records/record_tables.h"

namespace klotix {

// Intentionally copyable: two paths.
struct RecordFiles {
  // The record file: read, and replaced by every save.
  std::filesystem::path file;
  // A record file that is read instead while `file` does not exist yet, and
  // never written: the one beside a program whose folder cannot be written.
  // Empty when there is none.
  std::filesystem::path readOnlyFallback;
};

// Fills `tables` from files.file or, while that does not exist, from the
// fallback. See Load for what happens to a missing or damaged file.
LoadResult loadRecords(const RecordFiles& files, RecordTables& tables);

// Enters the result of a finished game (see recordResult) into `tables` and,
// when that changed them, saves them to files.file. Returns the save's
// result; ok when nothing needed saving.
SaveResult enterResult(const RecordFiles& files, RecordTables& tables, int level, const std::string& name,
                       std::int32_t points);

}  // namespace klotix
