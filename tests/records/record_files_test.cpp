// Where the windows read and save the records of a run.
#include "records/record_files.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

TEST(RecordFiles, ReadOnlyProgramFolderRecordsAreShownUntilTheFirstSaveGoesToTheUserFile) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "program");
  std::filesystem::create_directories(folder / "user");
  const RecordFiles files{folder / "user" / "Klotix.dat", folder / "program" / "Klotix.dat"};
  const std::string shipped = " 0 \r\n 1 \r\n 0 \r\nAnna\r\n 900 \r\n";
  writeBytes(files.readOnlyFallback, shipped);

  RecordTables tables;
  EXPECT_TRUE(loadRecords(files, tables).clean);
  ASSERT_EQ(tables.reccount[2], 1);
  EXPECT_EQ(tables.records[2][1], (Record{"Anna", 900}));

  ASSERT_TRUE(enterResult(files, tables, 2, "Bob", 50).ok);
  EXPECT_EQ(readBytes(files.file), " 0 \r\n 2 \r\n 0 \r\nAnna\r\n 900 \r\nBob\r\n 50 \r\n");
  EXPECT_EQ(readBytes(files.readOnlyFallback), shipped);

  // From now on the user's own file is read.
  writeBytes(files.readOnlyFallback, " 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_TRUE(loadRecords(files, tables).clean);
  EXPECT_EQ(tables.reccount[2], 2);
}

}  // namespace
}  // namespace klotix
