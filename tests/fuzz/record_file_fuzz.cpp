// libFuzzer target for the record file: any bytes must load without a
// crash, a hang, an entry beyond the fifteenth of a level or a blank or
// unsafe name, and what was read must survive being written and read
// again. Built by the fuzz preset.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "records/record_file.h"
#include "records/record_tables.h"
#include "records/text_encoding.h"

namespace {

using klotix::kLevels;
using klotix::kMaxNameLength;
using klotix::kMaxRecords;
using klotix::LoadResult;
using klotix::RecordTables;

// Long enough for three problems with their line numbers; a log line must
// not grow with the damage in the file.
constexpr std::size_t kLongestProblem = 512;

// A broken property is a finding: say which one and let libFuzzer keep the input.
void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "record_file_fuzz: property broken: %s\n", property);
  std::abort();
}

// Where Load reads each input from: one file in a private folder, removed
// when the fuzzer exits normally.
std::filesystem::path gRecordFile;

void removeScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(gRecordFile.parent_path(), ignored);
}

void writeRecordFile(std::string_view bytes) {
  // A fresh file rather than a truncated one: ext4 flushes a file that was
  // truncated and rewritten when it is closed, which would cost milliseconds.
  std::error_code ignored;
  std::filesystem::remove(gRecordFile, ignored);
  std::ofstream out(gRecordFile, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  require(out.good(), "the input can be written to the scratch record file");
}

void requireConsistent(const LoadResult& result) {
  require(result.found, "bytes that were there count as found");
  require(result.problem.empty() == (result.clean && !result.converted),
          "a problem is named exactly when the file is not read as it was written");
  require(result.problem.size() <= kLongestProblem, "the problem text stays short");
}

void requireWithinCapacity(const RecordTables& tables) {
  for (int level = 1; level <= kLevels; ++level) {
    require(tables.reccount[level] >= 0 && tables.reccount[level] <= kMaxRecords,
            "every level holds 0..15 entries");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  std::string folder = (std::filesystem::temp_directory_path() / "klotix_fuzz_XXXXXX").string();
  require(::mkdtemp(folder.data()) != nullptr, "a scratch folder can be made");
  gRecordFile = std::filesystem::path(folder) / "Klotix.dat";
  std::atexit(removeScratchFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  RecordTables parsed;
  const LoadResult result = klotix::parseRecords(bytes, parsed);
  requireConsistent(result);
  requireWithinCapacity(parsed);
  for (int level = 1; level <= kLevels; ++level)
    for (int n = 1; n <= parsed.reccount[level]; ++n) {
      const std::string& name = parsed.records[level][n].name;
      require(klotix::isValidUtf8(name), "names are read as UTF-8");
      require(klotix::sanitizeLine(name) == name, "names hold no control characters");
      require(!klotix::trimBlanks(name).empty(), "no blank name enters a table");
      require(klotix::firstCharacters(name, kMaxNameLength).size() == name.size(),
              "no name is longer than a player can type");
    }

  // Load reads the same bytes from a file into tables that held something.
  writeRecordFile(bytes);
  RecordTables loaded;
  loaded.reccount = {0, kMaxRecords, kMaxRecords, kMaxRecords};
  loaded.records[1][1] = {"stale", 99};
  const LoadResult loadResult = klotix::Load(gRecordFile, loaded);
  if (bytes.size() <= klotix::kMaxRecordFileBytes) {
    require(loadResult.clean == result.clean && loadResult.converted == result.converted &&
                loadResult.problem == result.problem,
            "Load reports what parseRecords reports");
    require(loaded.sameEntries(parsed), "Load reads what parseRecords reads");
  } else {
    require(!loadResult.clean, "a file longer than a record file can be is not clean");
  }

  // Writing what was read gives a file that reads back cleanly as the same
  // tables, and writing those again gives the same bytes.
  const std::string once = klotix::formatRecords(parsed);
  RecordTables reread;
  const LoadResult rereadResult = klotix::parseRecords(once, reread);
  requireConsistent(rereadResult);
  require(rereadResult.clean && !rereadResult.converted, "what Save writes reads back as written");
  require(reread.sameEntries(parsed), "written tables read back as the same entries");
  require(klotix::formatRecords(reread) == once, "writing again gives the same bytes");
  return 0;
}
