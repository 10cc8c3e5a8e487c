// The record file "Klotix.dat" on disk: Load reads it into the record
// tables, Save replaces it, keeping a backup of a file that was not read as
// it was written (see record_format.h for the format itself).
//
// Load and Save take the file's path, so tests work in temporary folders.
// Both report what went wrong as a value; neither throws.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "records/atomic_file.h"
#include "records/record_format.h"
#include "records/record_tables.h"

namespace klotix {

struct SaveResult {
  bool ok = true;
  std::string error;   // why the save failed, with the step, for a log
  std::string reason;  // the same in the system's plain words, for the player
  std::string place;   // the file or folder the failed step was on, for the player
  bool placeIsFolder = false;
};

// Reading and writing files

// A record file of three full levels of the longest names is about 10 KB.
// Reading stops here, so that a damaged file of any size is read at once
// and with little memory; what lies beyond counts as damage.
inline constexpr std::size_t kMaxRecordFileBytes = 64 * 1024;

// Clears `tables` and fills them from `file`. A missing file leaves all
// three levels empty (found = false, clean = true). Whatever cannot be read
// keeps its cleared value and reading goes on; at most kMaxRecords entries
// are taken per level, and the first kMaxRecordFileBytes of the file are
// read: a longer file is not clean. See parseRecords for the details.
LoadResult Load(const std::filesystem::path& file, RecordTables& tables);

// Replaces the whole content of `file` with `tables`, atomically: a reader
// sees either the old content or the new one, never a mix. A `file` that
// is a symbolic link stays one: the file it leads to is replaced. When the file
// it replaces could not be read cleanly or was converted on reading, it is
// first copied to the same name with ".bak" appended; when that copy, or
// reading the old file, fails, the old file is left as it is. A failure
// leaves the old file whole, prints a one-line warning starting with
// "klotix: " on standard error and returns ok = false with the reason.
SaveResult Save(const std::filesystem::path& file, const RecordTables& tables);

// Save for tables loaded from `file` by a caller that kept every other
// writer away from it since (see RecordLock): `loaded`, what that Load
// found, decides on the ".bak" copy, so a clean file is not read again.
SaveResult Save(const std::filesystem::path& file, const RecordTables& tables, const LoadResult& loaded);

// The file that `file` leads to through symbolic links; `file` itself
// when it is no link. A link to a missing file leads to that name.
std::filesystem::path followLinks(const std::filesystem::path& file);

// A save that failed for `error`: prints the one-line warning that Save
// prints and returns the result Save returns.
SaveResult saveFailed(const FileError& error);

}  // namespace klotix
