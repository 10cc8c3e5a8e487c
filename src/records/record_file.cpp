#include "records/record_file.h"

#include <iostream>
#include <system_error>

#include "records/atomic_file.h"
#include "records/platform/system_files.h"

namespace klotix {
namespace {

// Reads the whole of `file` into `bytes`; false with the reason in `error`
// when it is not a regular file or cannot be read.
bool readFile(const std::filesystem::path& file, std::string& bytes, FileError& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    if (!ec && std::filesystem::is_directory(file, ec)) ec = std::make_error_code(std::errc::is_a_directory);
    error = ec ? FileError::of("cannot read", file, ec) : FileError{"cannot read " + pathText(file), "Not a regular file"};
    return false;
  }
  if (const std::error_code code = platform::readWholeFile(file, bytes)) {
    error = FileError::of("cannot read", file, code);
    return false;
  }
  return true;
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

  std::string old;
  if (!readFile(file, old, error)) return false;
  LoadResult found;
  if (loaded == nullptr) {
    RecordTables scratch;
    found = parseRecords(old, scratch);
    if (found.clean && !found.converted) return true;
    loaded = &found;
  }

  const std::filesystem::path backup = withSuffix(file, ".bak");
  if (!writeFileAtomically(backup, old, &error)) {
    error.step = "cannot keep a copy of the old record file: " + error.step;
    return false;
  }
  std::cerr << "klotix: " << pathText(file) << " was not read as it was written (" << loaded->problem
            << "); its old content is kept in " << pathText(backup) << '\n';
  return true;
}

// Save, with or without what loading the file found.
SaveResult replaceRecords(const std::filesystem::path& file, const RecordTables& tables,
                          const LoadResult* loaded) {
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

  std::string bytes;
  if (FileError error; !readFile(file, bytes, error)) return {false, false, false, error.text()};
  return parseRecords(bytes, tables);
}

SaveResult saveFailed(const FileError& error) {
  std::cerr << "klotix: records not saved: " << error.text() << '\n';
  return {false, error.text(), error.reason};
}

SaveResult Save(const std::filesystem::path& file, const RecordTables& tables) {
  return replaceRecords(file, tables, nullptr);
}

SaveResult Save(const std::filesystem::path& file, const RecordTables& tables, const LoadResult& loaded) {
  return replaceRecords(file, tables, &loaded);
}

}  // namespace klotix
