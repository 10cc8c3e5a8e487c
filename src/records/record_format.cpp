#include "records/record_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

#include "records/record_ranking.h"
#include "records/text_encoding.h"

namespace klotix {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A damaged file can yield a problem per line; a log needs only the first.
constexpr int kProblemsShown = 3;

// Number form: " 900 " for 0 and above, "-10 " below 0.
void appendNumber(std::string& out, std::int64_t value) {
  if (value >= 0) out += ' ';
  out += std::to_string(value);
  out += ' ';
  out += kLineEnd;
}

// The whole 32-bit number on `line`, blanks around it ignored; nothing when
// the line holds anything else (also "+5", "1.5" or "12abc").
std::optional<std::int32_t> parseNumber(std::string_view line) {
  const std::string_view text = trimBlanks(line);
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || stop != end) return std::nullopt;
  return value;
}

// Hands out the lines of a record file one at a time, without the CR LF or
// bare LF that ends them. A last line without a line end still counts.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  // The next line, or nothing once the text is used up.
  std::optional<std::string_view> next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ++lineNumber_;
    return line;
  }

  // How many of the remaining lines hold more than blanks.
  int nonBlankLinesLeft() {
    int found = 0;
    while (const auto line = next()) {
      if (!trimBlanks(*line).empty()) ++found;
    }
    return found;
  }

  // The number of the line last handed out, counting from 1.
  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view rest_;
  int lineNumber_ = 0;
};

// Collects the reasons why a file was not clean into one line for a log.
class Problems {
 public:
  void add(const std::string& text) {
    if (count_ < kProblemsShown) {
      if (!text_.empty()) text_ += "; ";
      text_ += text;
    }
    ++count_;
  }

  bool empty() const { return count_ == 0; }

  std::string text() const {
    if (count_ <= kProblemsShown) return text_;
    return text_ + "; and " + std::to_string(count_ - kProblemsShown) + " more";
  }

 private:
  std::string text_;
  int count_ = 0;
};

// A name line as the tables keep it: valid UTF-8 stays as it is, any other
// line is Windows-1252 from an earlier version; control characters become
// blanks, as they do when names are written. Notes what it had to change,
// and cuts a name longer than any player can type as damage.
std::string nameFromLine(std::string_view line, int lineNumber, Problems& conversions, Problems& problems) {
  const std::string where = "line " + std::to_string(lineNumber) + ": ";
  std::string name;
  if (isValidUtf8(line)) {
    name = std::string(line);
  } else {
    name = cp1252ToUtf8(line);
    conversions.add(where + "name read as Windows-1252");
  }
  std::string safe = sanitizeLine(name);
  if (safe != name) conversions.add(where + "control characters in the name made blanks");
  if (const std::string_view allowed = firstCharacters(safe, kMaxNameLength); allowed.size() < safe.size()) {
    problems.add(where + "name longer than " + std::to_string(kMaxNameLength) + " characters, cut");
    safe.resize(allowed.size());
  }
  return safe;
}

// Collects the entries of one level in file order and keeps only the
// kMaxRecords that rank highest: once one too many is there, the
// lowest-ranked goes, so the survivors keep their order in the file.
class LevelEntries {
 public:
  // Returns false when an entry had to go.
  bool add(Record entry) {
    entries_.push_back(std::move(entry));
    if (entries_.size() <= static_cast<std::size_t>(kMaxRecords)) return true;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(lowestRanked(entries_)));
    return false;
  }

  void copyTo(RecordTables& tables, int level) const {
    tables.reccount[level] = static_cast<int>(entries_.size());
    std::copy(entries_.begin(), entries_.end(), tables.records[level].begin() + 1);
  }

 private:
  std::vector<Record> entries_;
};

}  // namespace

std::string formatRecords(const RecordTables& tables) {
  std::array<int, kLevels + 1> inUse{};
  std::string out;
  for (int level = 1; level <= kLevels; ++level) {
    inUse[level] = std::clamp(tables.reccount[level], 0, kMaxRecords);
    appendNumber(out, inUse[level]);
  }
  for (int level = 1; level <= kLevels; ++level) {
    for (int n = 1; n <= inUse[level]; ++n) {
      const Record& entry = tables.records[level][n];
      out += sanitizeLine(entry.name);
      out += kLineEnd;
      appendNumber(out, entry.points);
    }
  }
  return out;
}

LoadResult parseRecords(std::string_view bytes, RecordTables& tables) {
  tables.clear();
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());

  LineReader reader(bytes);
  Problems problems;
  Problems conversions;
  bool endedEarly = false;
  // The next line as a number; nothing when the file has ended or the line
  // is not a number, which is noted.
  const auto readNumber = [&]() -> std::optional<std::int32_t> {
    const auto line = reader.next();
    if (!line) {
      endedEarly = true;
      return std::nullopt;
    }
    const auto value = parseNumber(*line);
    if (!value) problems.add("line " + std::to_string(reader.lineNumber()) + ": not a whole number");
    return value;
  };

  std::array<std::int32_t, kLevels + 1> counts{};
  std::int64_t expectedLines = kLevels;
  for (int level = 1; level <= kLevels; ++level) {
    const auto count = readNumber();
    if (!count) continue;
    if (*count < 0) {
      problems.add("line " + std::to_string(reader.lineNumber()) + ": count " + std::to_string(*count) +
                   " is negative, taken as 0");
      continue;
    }
    counts[level] = *count;
    expectedLines += 2 * static_cast<std::int64_t>(*count);
  }

  for (int level = 1; level <= kLevels && !endedEarly; ++level) {
    LevelEntries entries;
    bool entryDropped = false;
    // Each entry uses up at least one line, so a huge count ends with the file.
    for (std::int32_t n = 1; n <= counts[level]; ++n) {
      const auto nameLine = reader.next();
      if (!nameLine) {
        endedEarly = true;
        break;
      }
      const int nameLineNumber = reader.lineNumber();
      Record entry{nameFromLine(*nameLine, nameLineNumber, conversions, problems), readNumber().value_or(0)};
      if (trimBlanks(entry.name).empty()) {
        problems.add("line " + std::to_string(nameLineNumber) + ": blank name, entry left out");
      } else if (!entries.add(std::move(entry))) {
        entryDropped = true;
      }
    }
    if (entryDropped) {
      problems.add("level " + std::to_string(level) + " has more than " + std::to_string(kMaxRecords) +
                   " entries, the " + std::to_string(kMaxRecords) + " best kept");
    }
    entries.copyTo(tables, level);
  }

  if (endedEarly) {
    problems.add("the file ends after " + std::to_string(reader.lineNumber()) + " lines, " +
                 std::to_string(expectedLines) + " expected");
  } else if (const int extra = reader.nonBlankLinesLeft(); extra > 0) {
    problems.add(std::to_string(extra) + " lines after the last entry ignored");
  }

  LoadResult result;
  result.found = true;
  result.clean = problems.empty();
  result.converted = !conversions.empty();
  result.problem = problems.text();
  if (!conversions.empty()) result.problem += (result.problem.empty() ? "" : "; ") + conversions.text();
  return result;
}

}  // namespace klotix
