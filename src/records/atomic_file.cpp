#include "records/atomic_file.h"

#include <algorithm>
#include <array>

namespace klotix {
namespace {

// Records why a step failed, when the caller wants to know.
void setError(FileError* error, std::string_view step, const std::filesystem::path& path, std::error_code code) {
  if (error != nullptr) *error = FileError::of(step, path, code);
}

// Writes all of `bytes`; a write may take fewer bytes than offered, or be
// interrupted before it takes any.
std::error_code writeAll(const AtomicWriteSteps& steps, platform::NativeFile file, std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t written = 0;
    if (const std::error_code code = steps.write(file, bytes.data(), bytes.size(), written)) {
      if (code == std::errc::interrupted) continue;
      return code;
    }
    // No progress and no reason given: treat it as an I/O error.
    if (written == 0) return std::make_error_code(std::errc::io_error);
    bytes.remove_prefix(written);
  }
  return {};
}

// Writes the bytes `fill` hands to its `put` into a temporary file beside
// `file`, forces them to disk and moves the temporary over `file`; any
// failure leaves `file` as it was and removes the temporary.
using Put = std::function<std::error_code(std::string_view)>;
bool replaceAtomically(const std::filesystem::path& file, const std::function<std::error_code(const Put&)>& fill,
                       FileError* error, const AtomicWriteSteps& steps) {
  const std::filesystem::path temporary = temporaryPathFor(file);
  platform::NativeFile opened = platform::kNoFile;
  if (const std::error_code code = steps.create(temporary, opened)) {
    setError(error, "cannot create", temporary, code);
    return false;
  }

  // Until the move succeeds the target is untouched; on any failure only
  // the temporary has to go. The step's error is reported, not cleanup's.
  const auto abandon = [&](std::string_view step, std::error_code code, bool closeFirst) {
    setError(error, step, temporary, code);
    if (closeFirst) steps.close(opened);
    steps.remove(temporary);
    return false;
  };

  const Put put = [&](std::string_view bytes) { return writeAll(steps, opened, bytes); };
  if (const std::error_code code = fill(put)) return abandon("cannot write", code, true);
  // Without the flush the move could reach the disk before the data, and a
  // crash would leave an empty or partial file under the target's name.
  // Whether the flush reaches the medium itself (fsync, F_FULLFSYNC,
  // FlushFileBuffers) no test can see short of pulling the power: the
  // power-cut test only checks that it comes before the move. Review it.
  if (const std::error_code code = steps.flush(opened)) return abandon("cannot flush", code, true);
  if (const std::error_code code = steps.close(opened)) return abandon("cannot close", code, false);
  if (const std::error_code code = steps.replace(temporary, file)) {
    steps.remove(temporary);
    setError(error, "cannot replace", file, code);
    return false;
  }
  return true;
}

}  // namespace

FileError FileError::of(std::string_view what, const std::filesystem::path& path, std::error_code code) {
  return {std::string(what) + " " + pathText(path), code.message(), pathText(path)};
}

const AtomicWriteSteps& systemWriteSteps() {
  static const AtomicWriteSteps steps{&platform::createForWriting, &platform::writeSome, &platform::flushToDisk,
                                      &platform::closeFile,        &platform::replaceFile, &platform::removeFile};
  return steps;
}

std::string pathText(const std::filesystem::path& path) {
  // Qt names folders with "/" on Windows too; a player reads the path in
  // the system's own separators.
  const std::u8string text = std::filesystem::path(path).make_preferred().u8string();
  return {text.begin(), text.end()};
}

std::filesystem::path pathFromText(std::string_view text) { return std::u8string(text.begin(), text.end()); }

std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix) {
  std::filesystem::path named = file;
  named += pathFromText(suffix);
  return named;
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& file) { return withSuffix(file, ".tmp"); }

std::error_code readChunks(const std::filesystem::path& file, std::size_t limit,
                           const std::function<std::error_code(std::string_view)>& take) {
  platform::NativeFile opened = platform::kNoFile;
  if (const std::error_code code = platform::openForReading(file, opened)) return code;
  std::error_code error;
  std::array<char, 64 * 1024> buffer;
  for (std::size_t left = limit; left > 0 && !error;) {
    std::size_t taken = 0;
    error = platform::readSome(opened, buffer.data(), std::min(buffer.size(), left), taken);
    if (error || taken == 0) break;
    error = take({buffer.data(), taken});
    left -= taken;
  }
  platform::closeFile(opened);
  return error;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes, FileError* error,
                         const AtomicWriteSteps& steps) {
  return replaceAtomically(file, [&](const Put& put) { return put(bytes); }, error, steps);
}

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to, FileError* error,
                        const AtomicWriteSteps& steps) {
  std::error_code readError;
  const bool copied = replaceAtomically(
      to,
      [&](const Put& put) {
        std::error_code writeError;
        readError = readChunks(from, std::string::npos, [&](std::string_view chunk) {
          writeError = put(chunk);
          return writeError;
        });
        return writeError ? writeError : readError;
      },
      error, steps);
  // A failure to read names the file read, not the copy.
  if (!copied && readError && error != nullptr) *error = FileError::of("cannot read", from, readError);
  return copied;
}

}  // namespace klotix
