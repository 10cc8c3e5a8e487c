#include "records/record_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/stderr_capture.h"
#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;
using Level = std::vector<Record>;

RecordTables tablesOf(const Level& slow, const Level& medium, const Level& quick) {
  RecordTables tables;
  const Level* levels[] = {nullptr, &slow, &medium, &quick};
  for (int level = 1; level <= kLevels; ++level) {
    tables.reccount[level] = static_cast<int>(levels[level]->size());
    std::copy(levels[level]->begin(), levels[level]->end(), tables.records[level].begin() + 1);
  }
  return tables;
}

// The entries in use, readable in a failure message.
std::string describe(const RecordTables& tables) {
  std::string out;
  for (int level = 1; level <= kLevels; ++level) {
    out += "L" + std::to_string(level) + "[" + std::to_string(tables.reccount[level]) + "]:";
    for (int n = 1; n <= std::min(tables.reccount[level], kMaxRecords); ++n) {
      out += " '" + tables.records[level][n].name + "' " +
             std::to_string(tables.records[level][n].points) + ";";
    }
    out += "\n";
  }
  return out;
}

const char kExample[] = " 2 \r\n 0 \r\n 1 \r\nAnna\r\n 900 \r\nBob\r\n 0 \r\nCarl\r\n-10 \r\n";

TEST(RecordFile, GoldenFilesSurviveSaveLoadSave) {
  struct Case {
    const char* what;
    RecordTables tables;
    std::string bytes;
  };
  const Case cases[] = {
      {"example, Medium empty in the middle",
       tablesOf({{"Anna", 900}, {"Bob", 0}}, {}, {{"Carl", -10}}), kExample},
      {"first game on Medium", tablesOf({}, {{"Dana", 320}}, {}),
       " 0 \r\n 1 \r\n 0 \r\nDana\r\n 320 \r\n"},
      {"no entries", tablesOf({}, {}, {}), " 0 \r\n 0 \r\n 0 \r\n"},
      {"32-bit extremes", tablesOf({}, {}, {{"Max", 2147483647}, {"Min", -2147483647 - 1}}),
       " 0 \r\n 0 \r\n 2 \r\nMax\r\n 2147483647 \r\nMin\r\n-2147483648 \r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const auto file = folder / "Klotix.dat";
    EXPECT_EQ(formatRecords(c.tables), c.bytes);
    ASSERT_TRUE(Save(file, c.tables).ok);
    EXPECT_EQ(readBytes(file), c.bytes);

    RecordTables loaded = tablesOf({{"Old", 1}}, {{"Old", 2}}, {});
    const LoadResult result = Load(file, loaded);
    EXPECT_TRUE(result.found);
    EXPECT_TRUE(result.clean) << result.problem;
    EXPECT_EQ(describe(loaded), describe(c.tables));

    ASSERT_TRUE(Save(file, loaded, result).ok);
    EXPECT_EQ(readBytes(file), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "Klotix.dat.bak"));
  }
}

TEST(RecordFile, FullTablesRoundTripAndNothingBeyondTheFifteenthIsWritten) {
  RecordTables full;
  for (int level = 1; level <= kLevels; ++level) {
    full.reccount[level] = kMaxRecords;
    for (int n = 1; n <= kMaxRecords; ++n) {
      full.records[level][n] = {"Player " + std::to_string(level * 100 + n), n * 10 - 70};
    }
  }
  TempFolder folder;
  ASSERT_TRUE(Save(folder / "Klotix.dat", full).ok);
  RecordTables loaded;
  EXPECT_TRUE(Load(folder / "Klotix.dat", loaded).clean);
  EXPECT_EQ(describe(loaded), describe(full));

  // Damaged counts in memory are written in range.
  RecordTables damaged = full;
  damaged.reccount = {0, kMaxRecords + 1, -1, 0};
  const std::string bytes = formatRecords(damaged);
  EXPECT_TRUE(bytes.starts_with(" 15 \r\n 0 \r\n 0 \r\n"));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3 + 2 * kMaxRecords);
}

TEST(RecordFile, NamesAreStoredWholeWithoutQuoting) {
  const Level names = {{"Anna Maria", 1},   {"Smith, John", 2}, {"\"Ace\"", 3},
                       {"a,\"b\" , c", 4},  {"Jörg Zoë", 5},    {"Łukasz €", 6},
                       {"日本語", 7},        {" padded ", 8},    {"0", 9}};
  const RecordTables tables = tablesOf(names, {}, names);
  TempFolder folder;
  ASSERT_TRUE(Save(folder / "Klotix.dat", tables).ok);
  const std::string bytes = readBytes(folder / "Klotix.dat");
  for (const Record& entry : names) {
    EXPECT_NE(bytes.find("\n" + entry.name + "\r\n"), std::string::npos) << entry.name;
  }
  RecordTables loaded;
  EXPECT_TRUE(Load(folder / "Klotix.dat", loaded).clean);
  EXPECT_EQ(describe(loaded), describe(tables));
}

TEST(RecordFile, ControlCharactersAndBadUtf8InNamesAreMadeSafeBeforeWriting) {
  struct Case {
    std::string name;
    std::string written;
  };
  const Case cases[] = {
      {"Tab\there", "Tab here"},
      {"CR\rLF\nboth\r\n", "CR LF both  "},
      {std::string("nul\0x", 5), "nul x"},
      {"a\x01\x1F\x7F", "a   "},
      {"bad\xFF", "bad\xEF\xBF\xBD"},
      {"cut\xC3", "cut\xEF\xBF\xBD"},
      {"Jörg", "Jörg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    TempFolder folder;
    ASSERT_TRUE(Save(folder / "Klotix.dat", tablesOf({{c.name, 5}}, {}, {})).ok);
    EXPECT_EQ(readBytes(folder / "Klotix.dat"),
              " 1 \r\n 0 \r\n 0 \r\n" + c.written + "\r\n 5 \r\n");
    RecordTables loaded;
    EXPECT_TRUE(Load(folder / "Klotix.dat", loaded).clean);
    EXPECT_EQ(describe(loaded), describe(tablesOf({{c.written, 5}}, {}, {})));
  }
}

TEST(RecordFile, ReadingAcceptsHarmlessVariations) {
  struct Case {
    const char* what;
    std::string bytes;
    RecordTables expected;
  };
  const Case cases[] = {
      {"bare LF line ends", " 1\n 0\n 0\nAnna\n 5\n", tablesOf({{"Anna", 5}}, {}, {})},
      {"blanks and tabs around numbers", "\t1\t\r\n  0\r\n0\r\nAnna\r\n\t -7  \r\n",
       tablesOf({{"Anna", -7}}, {}, {})},
      {"no line end after the last line", " 0 \r\n 0 \r\n 1 \r\nAnna\r\n 5 ",
       tablesOf({}, {}, {{"Anna", 5}})},
      {"byte-order mark", "\xEF\xBB\xBF 1 \r\n 0 \r\n 0 \r\nZoë\r\n 5 \r\n",
       tablesOf({{"Zoë", 5}}, {}, {})},
      {"blank lines after the end", std::string(kExample) + "\r\n  \r\n\n",
       tablesOf({{"Anna", 900}, {"Bob", 0}}, {}, {{"Carl", -10}})},
      {"blank lines up to the last byte read",
       kExample + std::string(kMaxRecordFileBytes - std::strlen(kExample), '\n'),
       tablesOf({{"Anna", 900}, {"Bob", 0}}, {}, {{"Carl", -10}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    writeBytes(folder / "Klotix.dat", c.bytes);
    RecordTables loaded;
    const LoadResult result = Load(folder / "Klotix.dat", loaded);
    EXPECT_TRUE(result.found);
    EXPECT_TRUE(result.clean) << result.problem;
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(describe(loaded), describe(c.expected));
  }
}

// Seventeen Slow entries P1..P17 with `points(n)` each, none on Medium, Carl
// on Quick.
std::string overlongSlowLevel(int (*points)(int)) {
  std::string bytes = " 17 \r\n 0 \r\n 1 \r\n";
  for (int n = 1; n <= 17; ++n) bytes += "P" + std::to_string(n) + "\r\n " + std::to_string(points(n)) + " \r\n";
  return bytes + "Carl\r\n-10 \r\n";
}
int rising(int n) { return n; }
int fallingThenBest(int n) { return n <= 15 ? 100 - n : 1000; }  // the best come last

// The first `count` lines of `bytes`, each with its line end.
std::string firstLines(const std::string& bytes, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count; ++i) end = bytes.find('\n', end) + 1;
  return bytes.substr(0, end);
}

// Entries P<first>..P<last> with `points(n)` each.
Level entriesP(int first, int last, int (*points)(int)) {
  Level level;
  for (int n = first; n <= last; ++n) level.push_back({"P" + std::to_string(n), points(n)});
  return level;
}

// Of P1..P17 falling, then two best: P1..P13 and P16, P17 in file order.
Level bestOfFallingThenBest() {
  Level level = entriesP(1, 13, fallingThenBest);
  const Level best = entriesP(16, 17, fallingThenBest);
  level.insert(level.end(), best.begin(), best.end());
  return level;
}

// `text` `times` times over.
std::string repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Files whose bytes the tables do not reproduce: damaged, or with names that
// change on reading. `problem` is a part of the reported problem.
struct DamagedCase {
  const char* what;
  std::string bytes;
  RecordTables expected;
  const char* problem;
};

// A Windows-1252 name from an earlier version among UTF-8 ones.
DamagedCase legacyName(const std::string& legacy, const std::string& utf8) {
  return {"legacy name", " 0 \r\n 0 \r\n 2 \r\nAnna\r\n 1 \r\n" + legacy + "\r\n 5 \r\n",
          tablesOf({}, {}, {{"Anna", 1}, {utf8, 5}}), "line 6: name read as Windows-1252"};
}

const std::vector<DamagedCase>& damagedFiles() {
  static const std::vector<DamagedCase> cases = {
      {"count not a number", "two\r\n 1 \r\n 0 \r\nBob\r\n 5 \r\n", tablesOf({}, {{"Bob", 5}}, {}),
       "line 1: not a whole number"},
      {"empty count line", " 0 \r\n\r\n 1 \r\nBob\r\n 5 \r\n", tablesOf({}, {}, {{"Bob", 5}}),
       "line 2"},
      {"points not a number", " 2 \r\n 0 \r\n 0 \r\nAnna\r\n 9x \r\nBob\r\n 7 \r\n",
       tablesOf({{"Anna", 0}, {"Bob", 7}}, {}, {}), "line 5"},
      {"points beyond 32 bits, signed, fractional, exponent",
       " 4 \r\n 0 \r\n 0 \r\nA\r\n 2147483648 \r\nB\r\n+5\r\nC\r\n1.5\r\nD\r\n1e3\r\n",
       tablesOf({{"A", 0}, {"B", 0}, {"C", 0}, {"D", 0}}, {}, {}), "and 1 more"},
      {"negative count", " -2 \r\n 1 \r\n 0 \r\nBob\r\n 5 \r\n", tablesOf({}, {{"Bob", 5}}, {}),
       "negative"},
      {"count above fifteen keeps the fifteen best", overlongSlowLevel(rising),
       tablesOf(entriesP(3, 17, rising), {}, {{"Carl", -10}}), "more than 15 entries"},
      {"the best of an overlong level come last", overlongSlowLevel(fallingThenBest),
       tablesOf(bestOfFallingThenBest(), {}, {{"Carl", -10}}), "the 15 best kept"},
      {"file ends between entries", " 2 \r\n 0 \r\n 1 \r\nAnna\r\n 900 \r\n",
       tablesOf({{"Anna", 900}}, {}, {}), "ends after 5 lines, 9 expected"},
      {"file ends inside an entry", " 1 \r\n 0 \r\n 0 \r\nAnna\r\n", tablesOf({{"Anna", 0}}, {}, {}),
       "ends after 4 lines"},
      {"file ends inside an overlong level", firstLines(overlongSlowLevel(rising), 3 + 2 * 16),
       tablesOf(entriesP(2, 16, rising), {}, {}), "ends after"},
      {"empty file", "", tablesOf({}, {}, {}), "ends after 0 lines"},
      {"huge count invents no entries", " 2147483647 \r\n 0 \r\n 1 \r\nAnna\r\n 5 \r\nBob\r\n-3 \r\n",
       tablesOf({{"Anna", 5}, {"Bob", -3}}, {}, {}), "ends after 7 lines"},
      {"blank names are left out", " 3 \r\n 0 \r\n 0 \r\n\r\n 5 \r\n \t \r\n 6 \r\nBob\r\n 7 \r\n",
       tablesOf({{"Bob", 7}}, {}, {}), "line 4: blank name"},
      {"text after the last entry", std::string(kExample) + "Extra\r\n",
       tablesOf({{"Anna", 900}, {"Bob", 0}}, {}, {{"Carl", -10}}), "1 lines after the last entry"},
      {"a name longer than any player can type is cut after 50 characters",
       " 1 \r\n 0 \r\n 0 \r\n" + repeat("é", 30) + repeat("x", 30) + "\r\n 5 \r\n",
       tablesOf({{repeat("é", 30) + repeat("x", 20), 5}}, {}, {}), "line 4: name longer than 50"},
      {"a file of any size is read only as far as a whole one can reach",
       " 1 \r\n 0 \r\n 0 \r\n" + repeat("a", 100000) + "\r\n 5 \r\n", tablesOf({{repeat("a", 50), 0}}, {}, {}),
       "only the first 65536 bytes read"},
      {"one legacy byte leaves the UTF-8 names alone",
       " 2 \r\n 0 \r\n 0 \r\nZo\xC3\xAB\r\n 5 \r\nJ\xF6rg\r\n 6 \r\n",
       tablesOf({{"Zoë", 5}, {"Jörg", 6}}, {}, {}), "line 6: name read as Windows-1252"},
      legacyName("J\xF6rg", "Jörg"),
      legacyName("\x80uro \xA3", "€uro £"),
      legacyName("\x8A\x9A\x9F\xFF", "ŠšŸÿ"),
      legacyName("\x93" "Ace\x94 \x85", "“Ace” …"),
      legacyName("x\x81\x9D", "x\xC2\x81\xC2\x9D"),  // undefined bytes keep their Latin-1 value
      {"control characters become blanks", " 1 \r\n 0 \r\n 0 \r\nTab\there\x01\x7F\r\n 5 \r\n",
       tablesOf({{"Tab here  ", 5}}, {}, {}), "control characters"},
  };
  return cases;
}

// Bytes in a real file; tables, the saved file and its backup out. Save
// decides on the backup from what Load found, as at the end of a game, or
// from the old file itself.
TEST(RecordFile, DamagedFilesKeepWhatTheirLinesHoldInventNothingAndAreBackedUp) {
  for (const DamagedCase& c : damagedFiles()) {
    for (const bool knowsTheLoad : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (knowsTheLoad ? ", after a load" : ""));
      TempFolder folder;
      const auto file = folder / "Klotix.dat";
      writeBytes(file, c.bytes);
      RecordTables loaded = tablesOf({{"Old", 1}}, {{"Old", 2}}, {{"Old", 3}});
      const LoadResult result = Load(file, loaded);
      EXPECT_TRUE(result.found);
      EXPECT_FALSE(result.clean && !result.converted);
      EXPECT_NE(result.problem.find(c.problem), std::string::npos) << result.problem;
      EXPECT_EQ(describe(loaded), describe(c.expected));

      testing::StderrCapture warning;
      ASSERT_TRUE((knowsTheLoad ? Save(file, loaded, result) : Save(file, loaded)).ok);
      EXPECT_TRUE(warning.text().starts_with("klotix: "));
      EXPECT_EQ(readBytes(file), formatRecords(c.expected));
      EXPECT_EQ(readBytes(folder / "Klotix.dat.bak"), c.bytes);
    }
  }
}

TEST(RecordFile, LoadWithoutAReadableFileLeavesEmptyTables) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "folder.dat");
  struct Case {
    std::filesystem::path file;
    bool clean;
  };
  const Case cases[] = {{folder / "Klotix.dat", true}, {folder / "folder.dat", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    RecordTables tables = tablesOf({{"Old", 1}}, {{"Old", 2}}, {{"Old", 3}});
    const LoadResult result = Load(c.file, tables);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.clean, c.clean);
    EXPECT_EQ(result.problem.empty(), c.clean);
    EXPECT_EQ(describe(tables), describe(RecordTables{}));
  }
}

}  // namespace
}  // namespace klotix
