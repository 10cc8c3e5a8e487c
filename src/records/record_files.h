// Where a run keeps its records, and the two ways the windows use them: the
// main window reads the tables at every opening, without waiting for
// anyone, and the end of a game enters its result and saves the file when
// the result changed it, taking turns with other copies of the program.
#pragma once

#include <chrono>
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

// How long the end of a game waits for another copy of Klotix to finish
// saving to the same file.
inline constexpr std::chrono::milliseconds kRecordLockPatience{3000};

// Enters the result of a finished game into the records as the file holds
// them now, so that what another copy of the program saved since `tables`
// were loaded is kept. It makes the file's folder when missing (the user's
// data folder before the first save); under the file's lock (see
// RecordLock) it loads `tables` afresh (as loadRecords), enters the result
// (see recordResult) and, when that changed them, saves them to files.file.
//
// Returns the save's result; ok when nothing needed saving. A folder that
// cannot be made, or a lock that cannot be had within `patience` or at
// all, fails like a save, reported as the first of these steps that
// failed: nothing is written, and `tables` hold the file's records with
// the result entered.
SaveResult enterResult(const RecordFiles& files, RecordTables& tables, int level, const std::string& name,
                       std::int32_t points, std::chrono::milliseconds patience = kRecordLockPatience);

}  // namespace klotix
