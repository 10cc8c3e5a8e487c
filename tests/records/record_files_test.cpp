// Where the windows read and save the records of a run.
#include "records/record_files.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "records/record_lock.h"
#include "support/child_process.h"
#include "support/stderr_capture.h"
#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

TEST(RecordFiles, ReadOnlyProgramFolderRecordsAreShownUntilTheFirstSaveGoesToTheUserFile) {
  TempFolder folder;
  const RecordFiles files{folder / "Klotix.dat", folder / "program.dat"};
  const std::string shipped = " 0 \r\n 1 \r\n 0 \r\nAnna\r\n 900 \r\n";
  writeBytes(files.readOnlyFallback, shipped);

  RecordTables tables;
  loadRecords(files, tables);
  EXPECT_EQ(tables.reccount[2], 1);
  ASSERT_TRUE(enterResult(files, tables, 2, "Bob", 50).ok);
  EXPECT_EQ(readBytes(files.file), " 0 \r\n 2 \r\n 0 \r\nAnna\r\n 900 \r\nBob\r\n 50 \r\n");
  EXPECT_EQ(readBytes(files.readOnlyFallback), shipped);
  loadRecords(files, tables);  // from now on the user's own file
  EXPECT_EQ(tables.reccount[2], 2);
}

TEST(RecordFiles, TwoCopiesOnOneFileEachKeepTheOthersResult) {
  TempFolder folder;
  const RecordFiles files{folder / "Klotix.dat", {}};
  writeBytes(files.file, " 0 \r\n 1 \r\n 0 \r\nAnna\r\n 900 \r\n");
  RecordTables first;
  RecordTables second;
  loadRecords(files, first);
  loadRecords(files, second);  // both main windows opened before either game ended
  ASSERT_TRUE(enterResult(files, first, 2, "One", 10).ok);
  ASSERT_TRUE(enterResult(files, second, 2, "Two", 20).ok);
  EXPECT_EQ(readBytes(files.file), " 0 \r\n 3 \r\n 0 \r\nAnna\r\n 900 \r\nOne\r\n 10 \r\nTwo\r\n 20 \r\n");
  EXPECT_FALSE(std::filesystem::exists(RecordLock::pathFor(files.file)));
}

// In a child process: takes the lock of the record file args[0], makes the
// file args[2] as a sign, holds the lock args[1] milliseconds and dies
// holding it, with no destructor run.
int holdTheLockAndDie(const std::vector<std::string>& args) {
  const RecordLock lock(pathFromText(args[0]), std::chrono::milliseconds(0));
  if (!lock.held()) std::_Exit(1);
  writeBytes(pathFromText(args[2]), "");
  std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(args[1])));
  std::_Exit(0);
}
const bool kHoldTheLockAndDie = testing::registerChildRole("hold-the-lock-and-die", &holdTheLockAndDie);

TEST(RecordFiles, ALockIsWaitedForTakenOverFromTheDeadAndALiveOneFailsTheSave) {
  TempFolder folder;
  const RecordFiles files{folder / "Klotix.dat", {}};
  RecordTables tables;
  for (const int holdMs : {0, 300}) {  // dead before the save, or dies while it waits
    SCOPED_TRACE(holdMs);
    const std::string hold = std::to_string(holdMs);
    // One sign per round: Windows lets no one remove a file the child may
    // still have open.
    const std::filesystem::path holding = folder / ("holding" + hold);
    testing::ChildProcess child("hold-the-lock-and-die", {pathText(files.file), hold, pathText(holding)});
    ASSERT_TRUE(testing::waitForFile(holding));
    if (holdMs == 0) {
      ASSERT_EQ(child.wait(), 0);
    }
    ASSERT_TRUE(enterResult(files, tables, 1, "Anna" + hold, 5).ok);
    EXPECT_EQ(child.wait(), 0);
  }
  const std::string saved = readBytes(files.file);
  const RecordLock other(files.file, std::chrono::milliseconds(0));  // another copy saving
  ASSERT_TRUE(other.held());
  testing::StderrCapture quiet;
  const SaveResult result = enterResult(files, tables, 1, "Bob", 7, std::chrono::milliseconds(50));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "Another copy of Klotix is saving its records");
  EXPECT_EQ(readBytes(files.file), saved);
}

// In a child process: takes the lock of the record file args[0] args[2]
// times, each time making and removing the folder args[1] while it holds
// the lock. Fails when that folder is already there: someone else holds
// the lock too.
int takeTheLockOverAndOver(const std::vector<std::string>& args) {
  const std::filesystem::path file = pathFromText(args[0]);
  const std::filesystem::path inside = pathFromText(args[1]);
  for (int held = 0; held < std::stoi(args[2]);) {
    const RecordLock lock(file, std::chrono::milliseconds(0));
    if (!lock.held()) continue;
    if (!std::filesystem::create_directory(inside)) return 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::filesystem::remove(inside);
    ++held;
  }
  return 0;
}
const bool kTakeTheLockOverAndOver =
    testing::registerChildRole("take-the-lock-over-and-over", &takeTheLockOverAndOver);

// A copy that opens the lock file just before its holder removes it and
// then locks it holds a lock on a file that is gone, which keeps out no
// one who opens the name afresh.
TEST(RecordFiles, CopiesRacingForTheLockNeverHoldItTogether) {
  TempFolder folder;
  const std::vector<std::string> args{pathText(folder / "Klotix.dat"), pathText(folder / "inside"), "100"};
  std::vector<std::unique_ptr<testing::ChildProcess>> copies;
  for (int copy = 0; copy < 4; ++copy) {
    copies.push_back(std::make_unique<testing::ChildProcess>("take-the-lock-over-and-over", args));
  }
  for (const auto& copy : copies) EXPECT_EQ(copy->wait(), 0);
}

// A damaged record file, backed up and then replaced twice: in a folder
// whose name the system's 8-bit code page may not hold, and behind a link
// to a synced folder, which stays a link while the file it leads to is
// replaced in that file's own folder. No link on Windows, where links are
// for administrators and MinGW's C++ library can neither make nor follow
// them.
TEST(RecordFiles, ADamagedFileIsBackedUpAndReplacedInAnyFolderAndBehindALink) {
  struct Case {
    const char* folder;
    bool linked;
  };
  const Case cases[] = {
      {"Jörg Zoë Игра", false},
#ifndef _WIN32
      {"synced", true},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    TempFolder top;
    const std::filesystem::path folder = top.path() / pathFromText(c.folder);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string damaged = " 0 \r\n 1 \r\n 0 \r\nAnna\r\n";  // Anna's points are missing
    writeBytes(folder / "Klotix.dat", damaged);
    const RecordFiles files{(c.linked ? top.path() : folder) / "Klotix.dat", {}};
    if (c.linked) std::filesystem::create_symlink(std::filesystem::path(c.folder) / "Klotix.dat", files.file);

    RecordTables tables;
    testing::StderrCapture quiet;
    ASSERT_TRUE(enterResult(files, tables, 2, "Zoë", 50).ok);
    ASSERT_TRUE(enterResult(files, tables, 2, "Jörg", 60).ok);
    EXPECT_EQ(std::filesystem::is_symlink(files.file), c.linked);
    EXPECT_EQ(readBytes(folder / "Klotix.dat"), " 0 \r\n 3 \r\n 0 \r\nAnna\r\n 0 \r\nZoë\r\n 50 \r\nJörg\r\n 60 \r\n");
    EXPECT_EQ(readBytes(folder / "Klotix.dat.bak"), damaged);
    EXPECT_EQ(loadRecords(files, tables).problem, "");
    int filesLeft = 0;  // the file and its backup; no temporary, no lock
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++filesLeft;
    EXPECT_EQ(filesLeft, 2);
  }
}

// Every path below `folder` with the content of each file, sorted.
std::vector<std::string> snapshot(const std::filesystem::path& folder) {
  std::vector<std::string> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    entries.push_back(entry.path().string() + "=" +
                      (entry.is_regular_file() ? readBytes(entry.path()) : "<folder>"));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// Each case sets up a folder in which the result of a game cannot be
// saved, and names the record file, the step that must fail and what it
// fails on. That step is reported, on standard error too, at once rather
// than after the lock's patience, and nothing in the folder changes.
TEST(RecordFiles, AFailedSaveReportsTheStepThatFailedAtOnceAndChangesNothing) {
  struct Case {
    const char* what;
    void (*setUp)(const TempFolder&);
    const char* target;
    const char* step;
    const char* failedOn;
  };
  std::vector<Case> cases = {
      {"folder is a regular file", [](const TempFolder& f) { writeBytes(f / "plain", "not a folder"); },
       "plain/Klotix.dat", "cannot create folder", "plain"},
      {"lock file cannot be made",
       [](const TempFolder& f) { std::filesystem::create_directory(f / "Klotix.dat.lock"); }, "Klotix.dat",
       "cannot lock", "Klotix.dat.lock"},
      {"target is a folder",
       [](const TempFolder& f) {
         std::filesystem::create_directory(f / "Klotix.dat");
         writeBytes(f / "Klotix.dat" / "inside", "kept");
       },
       "Klotix.dat", "cannot keep a copy of the old record file: cannot read", "Klotix.dat"},
      {"temporary file cannot be created",
       [](const TempFolder& f) {
         writeBytes(f / "Klotix.dat", " 0 \r\n 0 \r\n 0 \r\n");
         std::filesystem::create_directory(f / "Klotix.dat.tmp");
       },
       "Klotix.dat", "cannot create", "Klotix.dat.tmp"},
      {"backup of a damaged file cannot be made",
       [](const TempFolder& f) {
         writeBytes(f / "Klotix.dat", " 2 \r\n 0 \r\n 0 \r\nAnna\r\n");
         std::filesystem::create_directory(f / "Klotix.dat.bak");
         writeBytes(f / "Klotix.dat.bak" / "inside", "kept");
       },
       "Klotix.dat", "cannot keep a copy of the old record file: cannot replace", "Klotix.dat.bak"},
  };
#ifndef _WIN32
  if (::geteuid() != 0) {  // root may write in any folder
    cases.push_back({"folder cannot be made in a read-only one",
                     [](const TempFolder& f) {
                       std::filesystem::create_directory(f / "home");
                       std::filesystem::permissions(f / "home", std::filesystem::perms::owner_read |
                                                                    std::filesystem::perms::owner_exec);
                     },
                     "home/Klotix/Klotix.dat", "cannot create folder", "home/Klotix"});
  }
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    c.setUp(folder);
    const std::vector<std::string> before = snapshot(folder.path());

    // Named as Qt names folders on every system, with "/": what the player
    // reads is in the system's own separators all the same.
    std::string given = pathText(folder / c.target);
    std::replace(given.begin(), given.end(), '\\', '/');

    testing::StderrCapture capture;
    RecordTables tables;
    const auto start = std::chrono::steady_clock::now();
    const SaveResult result = enterResult({pathFromText(given), {}}, tables, 1, "New", 1);
    const auto took = std::chrono::steady_clock::now() - start;
    const std::string warning = capture.text();

    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.starts_with(std::string(c.step) + " " + pathText(folder / c.failedOn) + ": "))
        << result.error;
    EXPECT_EQ(result.place, pathText(folder / c.failedOn));
#ifdef _WIN32
    EXPECT_EQ(result.error.find('/'), std::string::npos) << result.error;
#endif
    EXPECT_EQ(warning, "klotix: records not saved: " + result.error + "\n");
    EXPECT_LT(took, kRecordLockPatience / 2);
    EXPECT_EQ(snapshot(folder.path()), before);  // nothing changed, no temporary or lock left
  }
}

}  // namespace
}  // namespace klotix
