// The record file "Klotix.dat": the three record tables as text, one value
// per line, CR LF line ends. Three counts come first, then a name line and a
// points line for each entry, level 1 to level 3. Numbers are written as
// " 900 " (blank, digits, blank) or "-10 " (minus, digits, blank); names are
// written as UTF-8, exactly as stored, without quoting.
//
// Load and Save take the file's path, so tests work in temporary folders.
// Both report what went wrong as a value; neither throws.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "records/atomic_file.h"
#include "records/record_tables.h"

namespace klotix {

struct LoadResult {
  bool found = false;     // a file was there and could be opened
  bool clean = true;      // every promised value was read as it should be
  bool converted = false; // a name had to change on reading (an old encoding,
                          // a control character), so saving changes its bytes
  std::string problem;    // what could not be read or had to change, for a
                          // log; empty when clean and not converted
};

struct SaveResult {
  bool ok = true;
  std::string error;   // why the save failed, with the step, for a log
  std::string reason;  // the same in the system's plain words, for the player
};

// Reading and writing files

// Clears `tables` and fills them from `file`. A missing file leaves all
// three levels empty (found = false, clean = true). Whatever cannot be read
// keeps its cleared value and reading goes on; at most kMaxRecords entries
// are taken per level. See parseRecords for the details.
LoadResult Load(const std::filesystem::path& file, RecordTables& tables);

// Replaces the whole content of `file` with `tables`, atomically: a reader
// sees either the old content or the new one, never a mix. When the file
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

// A save that failed for `error`: prints the one-line warning that Save
// prints and returns the result Save returns.
SaveResult saveFailed(const FileError& error);

// The format itself, without files

// The bytes Save writes for `tables`. Counts outside 0..kMaxRecords are
// written as the nearest of the two, and only the entries in use are
// written. Names pass through sanitizeLine, so a control character becomes a
// blank and ill-formed UTF-8 becomes U+FFFD; every name stays on its line.
std::string formatRecords(const RecordTables& tables);

// Clears `tables` and fills them from the bytes of a record file; the
// result has found = true. Lines end in CR LF or a bare LF; a leading UTF-8
// byte-order mark is skipped. Each value is one line: a number may have
// blanks and tabs around it and must be a whole 32-bit number; a name is the
// whole line.
//
// Converted, with the reasons in `problem`: a name line that is not valid
// UTF-8 is read as Windows-1252 from an earlier version; control characters
// in a name become blanks, as when writing.
//
// Not clean, with the reasons in `problem`:
//  - a value that is not a number keeps its cleared value: a count of 0,
//    points of 0; reading goes on with the next line;
//  - a negative count is taken as 0;
//  - a level holds only the entries whose name line is there: a file that
//    ends early ends the level, and an entry whose points line is missing
//    keeps 0 points;
//  - an entry with a blank name is left out, as no player can have one;
//  - of a level with more than kMaxRecords entries, the kMaxRecords that
//    rank highest are kept (most points, equal points in entry order), in
//    their order in the file;
//  - lines that are not blank after the last promised entry are ignored.
LoadResult parseRecords(std::string_view bytes, RecordTables& tables);

}  // namespace klotix
