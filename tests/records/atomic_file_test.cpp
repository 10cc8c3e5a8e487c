#include "records/atomic_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>

#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

TEST(AtomicFile, AFailureAtAnyStepKeepsTheOldFileAndRemovesTheTemporary) {
  using Path = std::filesystem::path;
  using platform::NativeFile;
  struct Case {
    const char* step;  // how the error names the failed step
    std::errc code;
    void (*breakStep)(AtomicWriteSteps&);
  };
  const Case cases[] = {
      {"cannot create", std::errc::permission_denied,
       [](AtomicWriteSteps& s) {
         s.create = [](const Path&, NativeFile&) { return std::make_error_code(std::errc::permission_denied); };
       }},
      {"cannot write", std::errc::no_space_on_device,
       [](AtomicWriteSteps& s) {
         s.write = [](NativeFile, const char*, std::size_t, std::size_t&) {
           return std::make_error_code(std::errc::no_space_on_device);
         };
       }},
      {"cannot flush", std::errc::io_error,
       [](AtomicWriteSteps& s) { s.flush = [](NativeFile) { return std::make_error_code(std::errc::io_error); }; }},
      {"cannot close", std::errc::invalid_argument,
       [](AtomicWriteSteps& s) {
         s.close = [](NativeFile file) {
           platform::closeFile(file);
           return std::make_error_code(std::errc::invalid_argument);
         };
       }},
      {"cannot replace", std::errc::cross_device_link,
       [](AtomicWriteSteps& s) {
         s.replace = [](const Path&, const Path&) { return std::make_error_code(std::errc::cross_device_link); };
       }},
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
    EXPECT_EQ(error.reason, std::make_error_code(c.code).message());
    EXPECT_EQ(readBytes(file), "old content");
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
    EXPECT_FALSE(writeFileAtomically(file, "new content", nullptr, steps));  // no error wanted
  }
}

TEST(AtomicFile, ShortAndInterruptedWritesStillWriteEverything) {
  TempFolder folder;
  const auto file = folder / "Klotix.dat";
  writeBytes(temporaryPathFor(file), std::string(200, '#'));  // longer, left by a killed save
  AtomicWriteSteps steps = systemWriteSteps();
  steps.write = [](platform::NativeFile opened, const char* data, std::size_t size, std::size_t& written) {
    static int calls = 0;
    if (++calls % 2 == 0) return std::make_error_code(std::errc::interrupted);
    return platform::writeSome(opened, data, std::min<std::size_t>(size, 3), written);
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
  steps.write = [](platform::NativeFile, const char*, std::size_t, std::size_t& written) {
    written = 0;
    return std::error_code{};
  };
  FileError error;
  EXPECT_FALSE(writeFileAtomically(file, "content", &error, steps));
  EXPECT_FALSE(error.reason.empty());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
}

#ifndef _WIN32
// A write the system cuts short, here at the file-size limit as at a quota,
// must not pass for a whole one: the save fails and the old file stays.
TEST(AtomicFile, AWriteTheSystemCutsShortFailsTheSave) {
  TempFolder folder;
  const auto file = folder / "Klotix.dat";
  writeBytes(file, "old content");
  rlimit usual{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &usual), 0);
  rlimit limited = usual;
  limited.rlim_cur = 1000;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  FileError error;
  const bool saved = writeFileAtomically(file, std::string(4000, 'x'), &error);
  ::setrlimit(RLIMIT_FSIZE, &usual);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(error.reason, std::make_error_code(std::errc::file_too_large).message());
  EXPECT_EQ(readBytes(file), "old content");
}
#endif

}  // namespace
}  // namespace klotix
