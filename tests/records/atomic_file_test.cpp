#include "records/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

TEST(AtomicFile, AFailureAtAnyStepKeepsTheOldFileAndRemovesTheTemporary) {
  struct Case {
    const char* step;  // how the error names the failed step
    int code;
    void (*breakStep)(AtomicWriteSteps&);
  };
  const Case cases[] = {
      {"cannot create", EACCES,
       [](AtomicWriteSteps& s) {
         s.open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
       }},
      {"cannot write", ENOSPC,
       [](AtomicWriteSteps& s) {
         s.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
       }},
      {"cannot flush", EIO,
       [](AtomicWriteSteps& s) { s.fsync = [](int) { return errno = EIO, -1; }; }},
      {"cannot close", EDQUOT,
       [](AtomicWriteSteps& s) { s.close = [](int fd) { ::close(fd); return errno = EDQUOT, -1; }; }},
      {"cannot replace", EXDEV,
       [](AtomicWriteSteps& s) { s.rename = [](const char*, const char*) { return errno = EXDEV, -1; }; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    TempFolder folder;
    const auto file = folder / "Klotix.dat";
    writeBytes(file, "old content");
    AtomicWriteSteps steps = systemWriteSteps();
    c.breakStep(steps);

    FileError error;
    EXPECT_FALSE(writeFileAtomically(file, "new content", &error, steps));
    EXPECT_TRUE(error.step.starts_with(c.step)) << error.text();
    EXPECT_EQ(error.reason, std::strerror(c.code));
    EXPECT_EQ(readBytes(file), "old content");
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
    EXPECT_FALSE(writeFileAtomically(file, "new content", nullptr, steps));  // no error wanted
  }
}

TEST(AtomicFile, ShortAndInterruptedWritesStillWriteEverything) {
  TempFolder folder;
  const auto file = folder / "Klotix.dat";
  AtomicWriteSteps steps = systemWriteSteps();
  steps.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
    static int calls = 0;
    if (++calls % 2 == 0) return errno = EINTR, -1;
    return ::write(fd, data, std::min<std::size_t>(size, 3));
  };
  const std::string bytes = " 1 \r\n 0 \r\n 0 \r\nAnna Maria\r\n 900 \r\n";
  FileError error;
  EXPECT_TRUE(writeFileAtomically(file, bytes, &error, steps)) << error.text();
  EXPECT_EQ(readBytes(file), bytes);
  EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
}

TEST(AtomicFile, AWriteThatMakesNoProgressFailsInsteadOfLooping) {
  TempFolder folder;
  const auto file = folder / "Klotix.dat";
  AtomicWriteSteps steps = systemWriteSteps();
  steps.write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
  FileError error;
  EXPECT_FALSE(writeFileAtomically(file, "content", &error, steps));
  EXPECT_FALSE(error.reason.empty());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
}

}  // namespace
}  // namespace klotix
