#include "records/record_file.h"

#include <iostream>
#include <system_error>

#include "records/atomic_file.h"
#include "records/shown_text.h"

namespace klotix {
namespace {

// Links in a chain end after a few hops; a loop is cut off here.
constexpr int kMaxLinkHops = 40;

// False, with the reason in `error`, when `file` is no regular file that a
// record file could be read from: a folder, say.
bool isRegularFile(const std::filesystem::path& file, FileError& error) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(file, ec)) return true;
  if (!ec && std::filesystem::is_directory(file, ec)) ec = std::make_error_code(std::errc::is_a_directory);
  if (ec) {
    error = FileError::of("cannot read", file, ec);
  } else {
    error = {"cannot read " + pathText(file), KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Not a regular file"),
             pathText(file)};
  }
  return false;
}

// Reads `file`, up to `limit` bytes of it, into `bytes`; false with the
// reason in `error` when it is not a regular file or cannot be read.
bool readFile(const std::filesystem::path& file, std::string& bytes, std::size_t limit, FileError& error) {
  if (!isRegularFile(file, error)) return false;
  const auto append = [&bytes](std::string_view chunk) {
    bytes.append(chunk);
    return std::error_code{};
  };
  if (const std::error_code code = readChunks(file, limit, append)) {
    error = FileError::of("cannot read", file, code);
    return false;
  }
  return true;
}

// Parses the bytes read from a record file: what lies beyond
// kMaxRecordFileBytes is damage, not read, and makes the file not clean.
LoadResult parseWithinLimit(std::string_view bytes, RecordTables& tables) {
  if (bytes.size() <= kMaxRecordFileBytes) return parseRecords(bytes, tables);
  LoadResult result = parseRecords(bytes.substr(0, kMaxRecordFileBytes), tables);
  result.clean = false;
  const std::string tooLong = "only the first " + std::to_string(kMaxRecordFileBytes) + " bytes read";
  result.problem = result.problem.empty() ? tooLong : tooLong + "; " + result.problem;
  return result;
}

// Before an existing record file is replaced whose bytes the tables do not
// reproduce (it could not be read cleanly, or a name was converted), its
// bytes are copied to "<file>.bak", so that whatever was lost or changed on
// reading can still be recovered by hand. A later such file overwrites an
// older copy. `loaded`, when given, is what loading the file found, so a
// clean file need not be read again. Returns false, with the reason in
// `error`, when the old file cannot be read or copied: it must then stay in
// place.
bool backUpIfChanged(const std::filesystem::path& file, const LoadResult* loaded, FileError& error) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) {
    error = FileError::of("cannot check", file, ec);
    return false;
  }
  if (!exists || (loaded != nullptr && loaded->clean && !loaded->converted)) return true;

  LoadResult found;
  if (loaded == nullptr) {
    RecordTables scratch;
    found = Load(file, scratch);
    if (found.clean && !found.converted) return true;
    loaded = &found;
  }

  // Copied a chunk at a time: the backup keeps every byte, however large
  // the damaged file is, without holding it in memory.
  const std::filesystem::path backup = withSuffix(file, ".bak");
  if (!isRegularFile(file, error) || !copyFileAtomically(file, backup, &error)) {
    error.step = "cannot keep a copy of the old record file: " + error.step;
    return false;
  }
  std::cerr << "klotix: " << pathText(file) << " was not read as it was written (" << loaded->problem
            << "); its old content is kept in " << pathText(backup) << '\n';
  return true;
}

// Save, with or without what loading the file found.
SaveResult replaceRecords(const std::filesystem::path& named, const RecordTables& tables,
                          const LoadResult* loaded) {
  // A record file kept elsewhere through a link stays linked: its target
  // is replaced, in the target's folder, and the backup lies beside it.
  const std::filesystem::path file = followLinks(named);
  FileError error;
  if (!backUpIfChanged(file, loaded, error) || !writeFileAtomically(file, formatRecords(tables), &error)) {
    return saveFailed(error);
  }
  return {};
}

}  // namespace

LoadResult Load(const std::filesystem::path& file, RecordTables& tables) {
  tables.clear();
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) return {false, false, false, FileError::of("cannot check", file, ec).text()};
  if (!exists) return {};

  // One byte beyond the limit tells a file that is too long.
  std::string bytes;
  if (FileError error; !readFile(file, bytes, kMaxRecordFileBytes + 1, error)) {
    return {false, false, false, error.text()};
  }
  return parseWithinLimit(bytes, tables);
}

std::filesystem::path followLinks(const std::filesystem::path& file) {
  std::filesystem::path target = file;
  std::error_code ec;
  for (int hop = 0; hop < kMaxLinkHops && std::filesystem::is_symlink(target, ec); ++hop) {
    const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

SaveResult saveFailed(const FileError& error) {
  std::cerr << "klotix: records not saved: " << error.text() << '\n';
  return {false, error.text(), error.reason, error.place, error.placeIsFolder};
}

SaveResult Save(const std::filesystem::path& file, const RecordTables& tables) {
  return replaceRecords(file, tables, nullptr);
}

SaveResult Save(const std::filesystem::path& file, const RecordTables& tables, const LoadResult& loaded) {
  return replaceRecords(file, tables, &loaded);
}

}  // namespace klotix
