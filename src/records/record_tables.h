// The per-level record tables: for each of the three levels up to fifteen
// entries of a player's name and that player's best points, in the order in
// which the players first finished a game on the level.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace klotix {

inline constexpr int kLevels = 3;       // 1 Slow, 2 Medium, 3 Quick
inline constexpr int kMaxRecords = 15;  // entries per level
// A player's name holds at most this many characters: the name box takes
// no more, and a longer name in a record file is cut when it is read.
inline constexpr int kMaxNameLength = 50;

struct Record {
  std::string name;
  std::int32_t points = 0;

  bool operator==(const Record&) const = default;
};

// Intentionally copyable: tests and the record file compare whole tables.
// Index 0 of both arrays is never used, so levels and entries count from 1.
struct RecordTables {
  // reccount[L]: entries in use on level L, 0..kMaxRecords.
  std::array<int, kLevels + 1> reccount{};
  // records[L][n]: entry n (1..reccount[L]) of level L. Every Record
  // starts empty through its own initialisers; no `{}` here, as clang 14
  // crashes on value-initialising a nested array of strings in a member.
  std::array<std::array<Record, kMaxRecords + 1>, kLevels + 1> records;

  // Empties all three levels.
  void clear() { *this = RecordTables{}; }

  // Equal when every level has the same entries in use; what lies beyond
  // reccount[L] does not matter.
  bool sameEntries(const RecordTables& other) const;
};

}  // namespace klotix
