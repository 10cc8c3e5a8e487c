// Timings of the record file as the end of a game uses it: reading a full
// file, and entering a result under the file's lock (lock, fresh load,
// save when changed) against a bare Save of the same tables, the baseline
// that shows what the lock and the fresh load add.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "records/record_file.h"
#include "records/record_files.h"

namespace klotix {
namespace {

// Three full levels of names as long as players type them.
RecordTables fullTables() {
  RecordTables tables;
  for (int level = 1; level <= kLevels; ++level) {
    tables.reccount[level] = kMaxRecords;
    for (int n = 1; n <= kMaxRecords; ++n) tables.records[level][n] = {"Player " + std::to_string(n), n * 150};
  }
  return tables;
}

// A record file of its own in the temporary folder, holding `tables`.
class ScratchFile {
 public:
  explicit ScratchFile(const RecordTables& tables)
      : path_(std::filesystem::temp_directory_path() /
              ("klotix_bench_" + std::to_string(std::random_device{}()) + ".dat")) {
    Save(path_, tables);
  }
  ~ScratchFile() { std::filesystem::remove(path_); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void BM_ParseFullFile(benchmark::State& state) {
  const std::string bytes = formatRecords(fullTables());
  RecordTables tables;
  for (auto _ : state) benchmark::DoNotOptimize(parseRecords(bytes, tables));
}
BENCHMARK(BM_ParseFullFile);

// The common end of a game: a result below the player's best, so nothing
// is saved; what is left is the lock and the fresh load.
void BM_EnterResultThatChangesNothing(benchmark::State& state) {
  const ScratchFile file(fullTables());
  RecordTables tables;
  for (auto _ : state) benchmark::DoNotOptimize(enterResult({file.path(), {}}, tables, 2, "Player 3", 0));
}
BENCHMARK(BM_EnterResultThatChangesNothing);

// Baseline for the next one: the save alone (a write, an fsync, a rename).
void BM_Save(benchmark::State& state) {
  const RecordTables tables = fullTables();
  const ScratchFile file(tables);
  for (auto _ : state) benchmark::DoNotOptimize(Save(file.path(), tables));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

// A new best each time: lock, fresh load and the same save.
void BM_EnterResultThatSaves(benchmark::State& state) {
  const ScratchFile file(fullTables());
  RecordTables tables;
  std::int32_t points = 1'000'000;
  for (auto _ : state) benchmark::DoNotOptimize(enterResult({file.path(), {}}, tables, 2, "Player 3", ++points));
}
BENCHMARK(BM_EnterResultThatSaves)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace klotix
