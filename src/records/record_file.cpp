#include "records/record_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <optional>
#include <system_error>

#include "records/atomic_file.h"
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

  // Passes over up to `count` lines; false when the text ended first. Each
  // line uses up at least one byte, so a huge count cannot loop for long.
  bool skip(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
      if (!next()) return false;
    }
    return true;
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

// Reads the whole of `file` into `bytes`; false with the reason in `error`
// when it is not a regular file or cannot be read.
bool readFile(const std::filesystem::path& file, std::string& bytes, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    error = "cannot read " + file.string() + ": " + (ec ? ec.message() : "not a regular file");
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open " + file.string();
    return false;
  }
  std::array<char, 4096> buffer{};
  while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
    bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    error = "cannot read " + file.string();
    return false;
  }
  return true;
}

// Before an existing record file that could not be read cleanly is
// replaced, its bytes are copied to "<file>.bak" so that whatever the
// tables lost on reading can still be recovered by hand. A later damaged
// file overwrites an older copy. Returns false, with the reason in `error`,
// when the old file cannot be read or copied: it must then stay in place.
bool backUpIfNotClean(const std::filesystem::path& file, std::string& error) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) {
    error = "cannot check " + file.string() + ": " + ec.message();
    return false;
  }
  if (!exists) return true;

  std::string old;
  if (!readFile(file, old, error)) return false;
  RecordTables scratch;
  const LoadResult result = parseRecords(old, scratch);
  if (result.clean) return true;

  std::filesystem::path backup = file;
  backup += ".bak";
  if (!writeFileAtomically(backup, old, &error)) {
    error = "cannot keep a copy of the damaged record file: " + error;
    return false;
  }
  std::cerr << "klotix: " << file.string() << " could not be read cleanly (" << result.problem
            << "); its old content is kept in " << backup.string() << '\n';
  return true;
}

}  // namespace

LoadResult Load(const std::filesystem::path& file, RecordTables& tables) {
  tables.clear();
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) return {false, false, "cannot check " + file.string() + ": " + ec.message()};
  if (!exists) return {};

  std::string bytes;
  if (std::string error; !readFile(file, bytes, error)) return {false, false, error};
  return parseRecords(bytes, tables);
}

SaveResult Save(const std::filesystem::path& file, const RecordTables& tables) {
  std::string error;
  if (!backUpIfNotClean(file, error) ||
      !writeFileAtomically(file, formatRecords(tables), &error)) {
    std::cerr << "klotix: records not saved: " << error << '\n';
    return {false, error};
  }
  return {};
}

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
  std::string decoded;
  std::string_view text = bytes;
  if (!isValidUtf8(bytes)) {
    decoded = cp1252ToUtf8(bytes);
    text = decoded;
  }

  LineReader reader(text);
  Problems problems;
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

  std::array<std::int64_t, kLevels + 1> skippedEntries{};
  std::int64_t expectedLines = kLevels;
  for (int level = 1; level <= kLevels; ++level) {
    const auto count = readNumber();
    if (!count) continue;
    const std::string where = "line " + std::to_string(reader.lineNumber()) + ": count ";
    if (*count < 0) {
      problems.add(where + std::to_string(*count) + " is negative, taken as 0");
      continue;
    }
    expectedLines += 2 * static_cast<std::int64_t>(*count);
    if (*count > kMaxRecords) {
      problems.add(where + std::to_string(*count) + " is above " + std::to_string(kMaxRecords) +
                   ", later entries skipped");
      skippedEntries[level] = *count - kMaxRecords;
    }
    tables.reccount[level] = std::min<int>(*count, kMaxRecords);
  }

  for (int level = 1; level <= kLevels; ++level) {
    for (int n = 1; n <= tables.reccount[level]; ++n) {
      Record& entry = tables.records[level][n];
      if (const auto name = reader.next()) {
        entry.name = std::string(*name);
      } else {
        endedEarly = true;
      }
      if (const auto points = readNumber()) entry.points = *points;
    }
    if (!reader.skip(2 * skippedEntries[level])) endedEarly = true;
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
  result.problem = problems.text();
  return result;
}

}  // namespace klotix
