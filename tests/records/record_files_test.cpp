// Where the windows read and save the records of a run.
#include "records/record_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

// In a child process: takes the lock of the record file args[0] and dies
// holding it, with no destructor run.
int dieHoldingTheLock(const std::vector<std::string>& args) {
  const RecordLock lock(pathFromText(args[0]), std::chrono::milliseconds(0));
  std::_Exit(lock.held() ? 0 : 1);
}
const bool kDieHoldingTheLock = testing::registerChildRole("die-holding-the-lock", &dieHoldingTheLock);

TEST(RecordFiles, ALockLeftByADeadProcessIsTakenOverAndALiveOneFailsTheSave) {
  TempFolder folder;
  const RecordFiles files{folder / "Klotix.dat", {}};
  testing::ChildProcess child("die-holding-the-lock", {pathText(files.file)});
  ASSERT_EQ(child.wait(), 0);
  RecordTables tables;
  ASSERT_TRUE(enterResult(files, tables, 1, "Anna", 5).ok);
  const std::string saved = readBytes(files.file);
  const RecordLock other(files.file, std::chrono::milliseconds(0));  // another copy saving
  ASSERT_TRUE(other.held());
  testing::StderrCapture quiet;
  const SaveResult result = enterResult(files, tables, 1, "Bob", 7, std::chrono::milliseconds(50));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "Another copy of Klotix is saving its records");
  EXPECT_EQ(readBytes(files.file), saved);
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

}  // namespace
}  // namespace klotix
