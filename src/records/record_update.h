// How the result of a finished game enters the record table of its level.
// The table keeps each player's best points in the order in which the
// players first finished a game on the level; it is never sorted.
#pragma once

#include <cstdint>
#include <string>

#include "records/record_tables.h"

namespace klotix {

// Enters `name` with `points` on `level` (1..3) and returns whether the
// table changed, that is whether the record file must be saved. The name is
// looked up case-sensitively; when it occurs more than once the last
// occurrence counts. A known player's points are raised only by strictly
// more points. A new player is appended whatever the points (also -10).
//
// When the level is already full (kMaxRecords entries), a new player
// replaces the lowest-ranked entry if their points are strictly higher, and
// is not recorded otherwise, so a table never exceeds kMaxRecords entries.
// Ranking is by points, highest first, equal points in entry order, so the
// lowest-ranked entry is the one with the fewest points and, among equal
// ones, the last. The replaced entry leaves the table and the new player is
// appended at the end, so entries stay in the order of first finish.
//
// A level outside 1..3 changes nothing and gives false.
bool recordResult(RecordTables& tables, int level, const std::string& name, std::int32_t points);

}  // namespace klotix
