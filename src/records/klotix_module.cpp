#include "records/klotix_module.h"

namespace klotix {

std::int16_t speedOfLevel(int level) {
  switch (level) {
    case 1:
      return kSpeedSlow;
    case 3:
      return kSpeedQuick;
    default:
      return kSpeedMedium;
  }
}

bool RecordTables::sameEntries(const RecordTables& other) const {
  for (int level = 1; level <= kLevels; ++level) {
    if (reccount[level] != other.reccount[level]) return false;
    for (int n = 1; n <= reccount[level] && n <= kMaxRecords; ++n) {
      if (!(records[level][n] == other.records[level][n])) return false;
    }
  }
  return true;
}

}  // namespace klotix
