// The order in which a level's records rank: most points first, equal
// points in entry order. The lists of the main window show this order; a
// full level gives up its lowest-ranked entry.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "records/record_tables.h"

namespace klotix {

// Entry numbers 1..reccount[level] of `level` (1..3) in listing order.
// Every entry in use appears exactly once.
std::vector<int> rankedEntries(const RecordTables& tables, int level);

// The position in `entries` (in entry order) of the one that ranks last:
// the fewest points and, of entries with equal points, the last of them.
// `entries` must not be empty.
std::size_t lowestRanked(std::span<const Record> entries);

}  // namespace klotix
