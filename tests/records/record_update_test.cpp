#include "records/record_update.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace klotix {
namespace {

using Level = std::vector<Record>;

void fill(RecordTables& tables, int level, const Level& entries) {
  tables.reccount[level] = static_cast<int>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) tables.records[level][i + 1] = entries[i];
}

Level entriesOf(const RecordTables& tables, int level) {
  return Level(tables.records[level].begin() + 1,
               tables.records[level].begin() + 1 + tables.reccount[level]);
}

TEST(RecordUpdate, ResultsEnterTheTableOfTheirLevel) {
  const Level slow = {{"Anna", 900}, {"Bob", 0}, {"Anna", 50}};
  struct Case {
    const char* what;
    int level;
    std::string name;
    std::int32_t points;
    bool changed;
    Level slowAfter;
  };
  const Case cases[] = {
      {"new player appended", 1, "Carl", 300, true,
       {{"Anna", 900}, {"Bob", 0}, {"Anna", 50}, {"Carl", 300}}},
      {"new player with -10 appended", 1, "Carl", -10, true,
       {{"Anna", 900}, {"Bob", 0}, {"Anna", 50}, {"Carl", -10}}},
      {"names differ in case", 1, "bob", 0, true,
       {{"Anna", 900}, {"Bob", 0}, {"Anna", 50}, {"bob", 0}}},
      {"equal points keep the entry", 1, "Bob", 0, false, slow},
      {"lower points keep the entry", 1, "Bob", -10, false, slow},
      {"more points raise the entry", 1, "Bob", 1, true, {{"Anna", 900}, {"Bob", 1}, {"Anna", 50}}},
      {"last match counts", 1, "Anna", 60, true, {{"Anna", 900}, {"Bob", 0}, {"Anna", 60}}},
      {"other level gets its own entry", 3, "Anna", 5, true, slow},
      {"level 0 is refused", 0, "Dana", 5, false, slow},
      {"level 4 is refused", 4, "Dana", 5, false, slow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordTables tables;
    fill(tables, 1, slow);
    fill(tables, 3, {{"Eve", 7}});
    EXPECT_EQ(recordResult(tables, c.level, c.name, c.points), c.changed);
    EXPECT_EQ(entriesOf(tables, 1), c.slowAfter);
    EXPECT_EQ(tables.reccount[2], 0);
    const Level quickAfter =
        c.level == 3 ? Level{{"Eve", 7}, {c.name, c.points}} : Level{{"Eve", 7}};
    EXPECT_EQ(entriesOf(tables, 3), quickAfter);
  }
}

// Fifteen entries P1..P15 with 100 points each, except the two given ones.
Level fullLevel(int lowA, int lowB, std::int32_t lowPoints) {
  Level level;
  for (int n = 1; n <= kMaxRecords; ++n) {
    level.push_back({"P" + std::to_string(n), n == lowA || n == lowB ? lowPoints : 100});
  }
  return level;
}

Level without(Level level, int n) {
  level.erase(level.begin() + (n - 1));
  return level;
}

TEST(RecordUpdate, AFullLevelReplacesItsLowestRankedEntryOnlyWhenBeaten) {
  struct Case {
    const char* what;
    Level before;
    std::string name;
    std::int32_t points;
    bool changed;
    Level after;
  };
  Level withNew = without(fullLevel(4, 4, -10), 4);
  withNew.push_back({"New", -9});
  Level laterTieGoes = without(fullLevel(3, 7, 20), 7);
  laterTieGoes.push_back({"New", 21});
  Level known = fullLevel(4, 4, -10);
  known[3].points = 0;
  const Case cases[] = {
      {"lower than the lowest", fullLevel(4, 4, -10), "New", -11, false, fullLevel(4, 4, -10)},
      {"equal to the lowest", fullLevel(4, 4, -10), "New", -10, false, fullLevel(4, 4, -10)},
      {"beats the lowest", fullLevel(4, 4, -10), "New", -9, true, withNew},
      {"of equal lowest the later goes", fullLevel(3, 7, 20), "New", 21, true, laterTieGoes},
      {"known player is still raised", fullLevel(4, 4, -10), "P4", 0, true, known},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordTables tables;
    fill(tables, 2, c.before);
    EXPECT_EQ(recordResult(tables, 2, c.name, c.points), c.changed);
    EXPECT_EQ(tables.reccount[2], kMaxRecords);
    EXPECT_EQ(entriesOf(tables, 2), c.after);
  }
}

}  // namespace
}  // namespace klotix
