// Where the windows read and save the records of a run.
#include "records/record_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "records/record_lock.h"
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

TEST(RecordFiles, ALockLeftByADeadProcessIsTakenOverAndALiveOneFailsTheSave) {
  TempFolder folder;
  const RecordFiles files{folder / "Klotix.dat", {}};
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const RecordLock lock(files.file, std::chrono::milliseconds(0));
    ::_exit(lock.held() ? 0 : 1);  // dies holding it: no destructor runs
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  RecordTables tables;
  ASSERT_TRUE(enterResult(files, tables, 1, "Anna", 5).ok);
  const std::string saved = readBytes(files.file);
  const RecordLock other(files.file, std::chrono::milliseconds(0));  // another copy saving
  ASSERT_TRUE(other.held());
  ::testing::internal::CaptureStderr();
  const SaveResult result = enterResult(files, tables, 1, "Bob", 7, std::chrono::milliseconds(50));
  ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "Another copy of Klotix is saving its records");
  EXPECT_EQ(readBytes(files.file), saved);
}

}  // namespace
}  // namespace klotix
