#include "records/record_ranking.h"

#include <algorithm>
#include <numeric>

namespace klotix {

std::vector<int> rankedEntries(const RecordTables& tables, int level) {
  const int count = std::clamp(tables.reccount[level], 0, kMaxRecords);
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 1);
  // A stable sort keeps equal points in entry order: the player who
  // reached them first stays above.
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return tables.records[level][a].points > tables.records[level][b].points;
  });
  return order;
}

std::size_t lowestRanked(std::span<const Record> entries) {
  std::size_t lowest = 0;
  for (std::size_t n = 1; n < entries.size(); ++n) {
    if (entries[n].points <= entries[lowest].points) lowest = n;
  }
  return lowest;
}

}  // namespace klotix
