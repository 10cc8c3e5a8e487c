// The record file's format, without files: the three record tables as
// text, one value per line, CR LF line ends. Three counts come first, then
// a name line and a points line for each entry, level 1 to level 3. Numbers
// are written as " 900 " (blank, digits, blank) or "-10 " (minus, digits,
// blank); names are written as UTF-8, exactly as stored, without quoting.
#pragma once

#include <string>
#include <string_view>

#include "records/record_tables.h"

namespace klotix {

// What reading a record file found.
struct LoadResult {
  bool found = false;     // a file was there and could be opened
  bool clean = true;      // every promised value was read as it should be
  bool converted = false; // a name had to change on reading (an old encoding,
                          // a control character), so saving changes its bytes
  std::string problem;    // what could not be read or had to change, for a
                          // log; empty when clean and not converted
};

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
//  - a name longer than kMaxNameLength characters keeps its first ones;
//  - of a level with more than kMaxRecords entries, the kMaxRecords that
//    rank highest are kept (most points, equal points in entry order), in
//    their order in the file;
//  - lines that are not blank after the last promised entry are ignored.
LoadResult parseRecords(std::string_view bytes, RecordTables& tables);

}  // namespace klotix
