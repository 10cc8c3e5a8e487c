#include "records/record_update.h"

#include <algorithm>

#include "records/record_ranking.h"

namespace klotix {

bool recordResult(RecordTables& tables, int level, const std::string& name, std::int32_t points) {
  if (level < 1 || level > kLevels) return false;
  auto& entries = tables.records[level];
  int& count = tables.reccount[level];
  // Tables come from a file or from this function, so the count is in range;
  // clamping still keeps a damaged count from indexing past the table.
  count = std::clamp(count, 0, kMaxRecords);

  int found = 0;
  for (int n = 1; n <= count; ++n) {
    if (entries[n].name == name) found = n;  // no break: the last match counts
  }

  if (found != 0) {
    if (points <= entries[found].points) return false;
    entries[found].points = points;
    return true;
  }

  if (count < kMaxRecords) {
    ++count;
    entries[count] = Record{name, points};
    return true;
  }

  // Entry numbers count from 1; the span starts at entry 1.
  const int lowest = 1 + static_cast<int>(lowestRanked(std::span(entries).subspan(1)));
  if (points <= entries[lowest].points) return false;
  std::move(entries.begin() + lowest + 1, entries.begin() + kMaxRecords + 1,
            entries.begin() + lowest);
  entries[kMaxRecords] = Record{name, points};
  return true;
}

}  // namespace klotix
