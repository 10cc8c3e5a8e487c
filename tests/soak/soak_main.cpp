// The soak bot: plays whole games on the game logic, some with random keys,
// some steered towards full rows, and checks every event (see soak_game.h).
// Between games it plays the main window's part: it loads the record file
// and checks what Gameover made of the records. It prints its seed first,
// so any game of a run can be replayed alone.
//
//   klotix_soak [--seed S] [--games N] [--pieces N] [--game G]
//     --seed S    seed of the run (default: a fresh one)
//     --games N   play at most N games (default 100 unless --pieces is given)
//     --pieces N  start no new game once N pieces have come into play
//     --game G    play only game G of the run, as the whole run would
// Exit status 0 when every check held, 1 when one did not, 2 on bad usage.
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "records/record_file.h"
#include "records/test_files.h"
#include "soak/soak_game.h"

namespace klotix::soak {
namespace {

// Players of the soak, more than a level has room for, so full tables and
// the replacing of the lowest entry come up too.
constexpr std::string_view kNames[] = {
    "Anna",  "Bob",   "Carl",  "Dana",       "Erik",  "Frida", "Gustav", "Hanna",
    "Ivar",  "Jonas", "Karin", "Lars",       "Maja",  "Nils",  "Olof",   "Petra",
    "Quinn", "Rut",   "Zoë",   "Anna Maria", "Örjan", "Ulla",
};

struct Options {
  std::uint64_t seed = 0;
  long games = 0;   // 0: no limit
  long pieces = 0;  // 0: no limit
  long onlyGame = -1;
};

struct Totals {
  long games = 0;
  long pieces = 0;
  long rows = 0;
  std::array<long, 5> locksByRows{};
  long removalsUnderTopRow = 0;
  long violations = 0;
};

// Everything about game `game` of the run with `seed`, drawn from the two
// alone, so that --game replays it exactly.
struct Plan {
  GameSetup setup;
  int level = 1;
  std::string name;
};

Plan planGame(std::uint64_t seed, long game) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                         static_cast<std::uint32_t>(game)};
  std::mt19937_64 engine(sequence);
  Plan plan;
  plan.setup.seed = engine();
  // A third of the games at random; the others steered, with a little noise.
  plan.setup.skill = engine() % 3 == 0 ? 0.0 : std::uniform_real_distribution<double>(0.75, 1.0)(engine);
  plan.setup.towers = plan.setup.skill > 0.0 && engine() % 2 == 0;
  plan.setup.pieceLimit = std::uniform_int_distribution<int>(30, 1500)(engine);
  plan.level = std::uniform_int_distribution<int>(1, kLevels)(engine);
  plan.name = kNames[engine() % std::size(kNames)];
  return plan;
}

void report(std::uint64_t seed, long game, const std::string& where, const Problems& problems) {
  std::printf("klotix_soak: game %ld (replay: --seed %llu --game %ld), %s:\n", game,
              static_cast<unsigned long long>(seed), game, where.c_str());
  for (const std::string& problem : problems) std::printf("  %s\n", problem.c_str());
}

// What Gameover did to the records of a game with `points` on `level` by
// `name`, as the main window reads them back from the file.
Problems checkRecords(const RecordTables& before, const Klotix_Module& module, int level,
                      const std::string& name, std::int32_t points) {
  Problems problems;
  const RecordTables& after = module.tables();
  RecordTables othersAfter = after;
  RecordTables othersBefore = before;
  othersAfter.reccount[level] = othersBefore.reccount[level] = 0;
  if (!othersAfter.sameEntries(othersBefore)) problems.push_back("another level's records changed");
  const int count = after.reccount[level];
  if (count < 0 || count > kMaxRecords) return {"level holds " + std::to_string(count) + " records"};
  int found = 0;
  bool allAtLeast = true;
  for (int n = 1; n <= count; ++n) {
    const Record& entry = after.records[level][n];
    if (entry.name == name) {
      ++found;
      if (entry.points < points) problems.push_back(name + " keeps fewer points than this game's");
    }
    allAtLeast = allAtLeast && entry.points >= points;
  }
  if (found > 1) problems.push_back(name + " appears " + std::to_string(found) + " times");
  if (found == 0 && !(count == kMaxRecords && allAtLeast))
    problems.push_back(name + " is missing although the game ranks among the level's records");

  RecordTables fromFile;
  const LoadResult loaded = Load(module.recordFiles.file, fromFile);
  if (!loaded.clean) problems.push_back("record file not clean: " + loaded.problem);
  if (!fromFile.sameEntries(after)) problems.push_back("record file differs from the tables");
  return problems;
}

bool parse(int argc, char** argv, Options& options) {
  bool seeded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    char* end = nullptr;
    const unsigned long long number = std::strtoull(value, &end, 10);
    if (end == value || *end != '\0') return false;
    if (arg == "--seed") {
      options.seed = number;
      seeded = true;
    } else if (arg == "--games") {
      options.games = static_cast<long>(number);
    } else if (arg == "--pieces") {
      options.pieces = static_cast<long>(number);
    } else if (arg == "--game") {
      options.onlyGame = static_cast<long>(number);
    } else {
      return false;
    }
  }
  if (!seeded) options.seed = (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
  if (options.games == 0 && options.pieces == 0) options.games = 100;
  return true;
}

int run(const Options& options) {
  std::printf("klotix_soak: seed %llu\n", static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);
  const testing::TempFolder folder;  // the record file's, removed with it at the end
  Klotix_Module module;
  module.recordFiles.file = folder / "Klotix.dat";

  const auto start = std::chrono::steady_clock::now();
  Totals totals;
  for (long game = options.onlyGame >= 0 ? options.onlyGame : 0;; ++game) {
    if (options.games > 0 && totals.games >= options.games) break;
    if (options.pieces > 0 && totals.pieces >= options.pieces) break;
    if (options.onlyGame >= 0 && game > options.onlyGame) break;

    const Plan plan = planGame(options.seed, game);
    Load(module.recordFiles.file, module.tables());  // as the main window does before a game
    module.level = static_cast<std::int16_t>(plan.level);
    module.speed = speedOfLevel(plan.level);
    module.playername = plan.name;
    const RecordTables before = module.tables();

    const GameResult result = playGame(plan.setup, module);
    ++totals.games;
    totals.pieces += result.pieces;
    totals.rows += result.rows;
    totals.removalsUnderTopRow += result.removalsUnderTopRow;
    for (std::size_t k = 0; k < result.locksByRows.size(); ++k) totals.locksByRows[k] += result.locksByRows[k];
    if (!result.problems.empty()) {
      ++totals.violations;
      report(options.seed, game, result.where, result.problems);
      continue;
    }
    const Problems records = checkRecords(before, module, plan.level, plan.name, result.points);
    if (!records.empty()) {
      ++totals.violations;
      report(options.seed, game, "records after the game", records);
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf(
      "klotix_soak: seed %llu: %ld games, %ld pieces, %ld rows removed (locks removing 1/2/3/4 rows: "
      "%ld/%ld/%ld/%ld; with a block in row 25: %ld), %ld violations, %.1f s\n",
      static_cast<unsigned long long>(options.seed), totals.games, totals.pieces, totals.rows,
      totals.locksByRows[1], totals.locksByRows[2], totals.locksByRows[3], totals.locksByRows[4],
      totals.removalsUnderTopRow, totals.violations, seconds);
  return totals.violations == 0 ? 0 : 1;
}

}  // namespace
}  // namespace klotix::soak

int main(int argc, char** argv) {
  klotix::soak::Options options;
  if (!klotix::soak::parse(argc, argv, options)) {
    std::fprintf(stderr, "usage: klotix_soak [--seed S] [--games N] [--pieces N] [--game G]\n");
    return 2;
  }
  return klotix::soak::run(options);
}
