// The order in which a level's records are listed: most points first,
// equal points in entry order.
#pragma once

#include <vector>

#include "records/record_tables.h"

namespace klotix {

// Entry numbers 1..reccount[level] of `level` (1..3) in listing order.
// Every entry in use appears exactly once.
std::vector<int> rankedEntries(const RecordTables& tables, int level);

}  // namespace klotix
