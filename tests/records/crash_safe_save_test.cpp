// Saving the records must never leave "Klotix.dat" half written: whatever
// stops a save, and wherever, the file holds the whole old content or the
// whole new content. Stopped here three ways: a step that fails or a crash
// at every single system call, a power cut at every call on a disk that
// forgets what was not flushed, and a kill at random moments of real saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "records/atomic_file.h"
#include "records/record_file.h"
#include "support/child_process.h"
#include "test_files.h"

namespace klotix {
namespace {

using platform::NativeFile;
using testing::TempFolder;
using testing::readBytes;
using Path = std::filesystem::path;

// Full tables, every entry marked with `version`, names `nameLength` long,
// so that any two versions differ in every entry and a mix would show.
RecordTables versionOf(int version, std::size_t nameLength = 12) {
  RecordTables tables;
  for (int level = 1; level <= kLevels; ++level) {
    tables.reccount[level] = kMaxRecords;
    for (int n = 1; n <= kMaxRecords; ++n) {
      std::string name(nameLength, static_cast<char>('a' + (version + n + level) % 26));
      tables.records[level][n] = {name + " " + std::to_string(version), version * 10 + n};
    }
  }
  return tables;
}

// Stopping one call: the call fails as a full disk would, or the program
// "crashes" just before it, leaving everything as it is at that moment.
struct SimulatedCrash {};
enum class Stop { kFail, kCrash };

// Passes every call on to the system, writing at most kChunk bytes at a
// time, and stops call number `stopAt` (counting from 1) the `stop` way.
// Clean-up after a failure (remove) is never stopped. A global, because the
// steps are plain function pointers.
struct StepScript {
  static constexpr std::size_t kChunk = 64;
  int stopAt = 0;
  Stop stop = Stop::kFail;
  int calls = 0;
  NativeFile openFile = platform::kNoFile;  // the temporary while it is open
  bool renamed = false;                     // the move went through

  // The error when this call is the one to fail; throws when it is the crash.
  std::error_code stopsHere() {
    if (++calls != stopAt) return {};
    if (stop == Stop::kCrash) throw SimulatedCrash{};
    return std::make_error_code(std::errc::io_error);
  }
};
StepScript gScript;

AtomicWriteSteps scriptedSteps() {
  AtomicWriteSteps steps = systemWriteSteps();
  steps.create = [](const Path& file, NativeFile& opened) {
    if (const auto stopped = gScript.stopsHere()) return stopped;
    const auto error = platform::createForWriting(file, opened);
    gScript.openFile = opened;
    return error;
  };
  steps.write = [](NativeFile file, const char* data, std::size_t size, std::size_t& written) {
    if (const auto stopped = gScript.stopsHere()) return stopped;
    return platform::writeSome(file, data, std::min(size, StepScript::kChunk), written);
  };
  steps.flush = [](NativeFile file) {
    if (const auto stopped = gScript.stopsHere()) return stopped;
    return platform::flushToDisk(file);
  };
  steps.close = [](NativeFile file) {
    const auto stopped = gScript.stopsHere();
    gScript.openFile = platform::kNoFile;
    const auto error = platform::closeFile(file);  // a failed close still releases the file
    return stopped ? stopped : error;
  };
  steps.replace = [](const Path& from, const Path& to) {
    if (const auto stopped = gScript.stopsHere()) return stopped;
    const auto error = platform::replaceFile(from, to);
    gScript.renamed = !error;
    return error;
  };
  return steps;
}

TEST(CrashSafeSave, AFailureOrACrashAtAnyCallLeavesTheOldOrTheNewFileWhole) {
  struct Case {
    const char* what;
    RecordTables before, after;
  };
  const Case cases[] = {
      {"the new file is longer", versionOf(1, 4), versionOf(2, 9)},
      {"the new file is shorter", versionOf(3, 9), versionOf(4, 4)},
  };
  for (const Case& c : cases) {
    const std::string oldBytes = formatRecords(c.before);
    const std::string newBytes = formatRecords(c.after);
    for (Stop stop : {Stop::kFail, Stop::kCrash}) {
      // Stop each call in turn until a save runs through without reaching the stop.
      for (int stopAt = 1;; ++stopAt) {
        SCOPED_TRACE(::testing::Message() << c.what << (stop == Stop::kFail ? ", failing" : ", crashing")
                                          << " at call " << stopAt);
        TempFolder folder;
        const auto file = folder / "Klotix.dat";
        ASSERT_TRUE(Save(file, c.before).ok);

        gScript = StepScript{stopAt, stop};
        bool crashed = false;
        bool saved = false;
        try {
          // Exactly what Save writes once it knows the old file reads cleanly.
          saved = writeFileAtomically(file, newBytes, nullptr, scriptedSteps());
        } catch (const SimulatedCrash&) {
          crashed = true;
          // as the end of a process would
          if (gScript.openFile != platform::kNoFile) platform::closeFile(gScript.openFile);
        }
        const bool reachedStop = gScript.calls >= stopAt;

        EXPECT_EQ(readBytes(file), gScript.renamed ? newBytes : oldBytes);
        EXPECT_EQ(saved, !reachedStop);
        if (stop == Stop::kFail) {
          EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
        }
        RecordTables loaded;
        const LoadResult result = Load(file, loaded);
        EXPECT_TRUE(result.clean) << result.problem;
        EXPECT_TRUE(loaded.sameEntries(gScript.renamed ? c.after : c.before));

        // The next save, also over a crash's leftover temporary, goes through
        // and finds nothing damaged to back up.
        ASSERT_TRUE(Save(file, c.after).ok);
        EXPECT_EQ(readBytes(file), newBytes);
        EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file)));
        EXPECT_FALSE(std::filesystem::exists(folder / "Klotix.dat.bak"));

        if (!reachedStop) {
          EXPECT_FALSE(crashed);
          EXPECT_GT(stopAt, 5) << "a save makes at least five calls";
          break;
        }
      }
    }
  }
}

// A disk in memory that a power cut can hit between any two calls. Data of
// a file survives a cut only as far as it was last fsync'ed; names (create,
// rename, unlink) go into a journal of which any beginning may have reached
// the disk. Weaker than most real file systems, so what holds here holds
// there. One disk at a time: the steps reach it through a global.
class FragileDisk {
 public:
  struct PowerCut {};

  explicit FragileDisk(const std::string& name, const std::string& content) {
    files_.push_back({content, content});
    names_[name] = 0;
    initialNames_ = names_;
  }

  // Cuts the power just before call number `cutAt` (counting from 1); 0 never.
  void cutPowerAt(int cutAt) { cutAt_ = cutAt; }

  AtomicWriteSteps steps() {
    AtomicWriteSteps steps;
    steps.create = [](const Path& file, NativeFile& opened) { return current->create(file.string(), opened); };
    steps.write = [](NativeFile file, const char* data, std::size_t size, std::size_t& written) {
      current->call();
      // Short writes, so that a cut can fall between two pieces of one file.
      written = std::min<std::size_t>(size, 50);
      current->file(file).data.append(data, written);
      return std::error_code{};
    };
    steps.flush = [](NativeFile file) {
      current->call();
      current->file(file).synced = current->file(file).data;
      return std::error_code{};
    };
    steps.close = [](NativeFile file) {
      current->call();
      current->open_.erase(file);
      return std::error_code{};
    };
    steps.replace = [](const Path& from, const Path& to) { return current->rename(from.string(), to.string()); };
    steps.remove = [](const Path& file) { return current->unlink(file.string()); };
    return steps;
  }

  // What `name` may hold after the power came back: one entry per
  // beginning of the journal that may have reached the disk; "<missing>"
  // when the name is gone.
  std::vector<std::string> afterPowerCut(const std::string& name) const {
    std::vector<std::string> outcomes;
    for (std::size_t kept = 0; kept <= journal_.size(); ++kept) {
      std::map<std::string, int> names = initialNames_;
      for (std::size_t i = 0; i < kept; ++i) journal_[i](names);
      const auto found = names.find(name);
      outcomes.push_back(found == names.end() ? "<missing>" : files_[found->second].synced);
    }
    return outcomes;
  }

  static FragileDisk* current;

 private:
  struct File {
    std::string data;    // what the running system sees
    std::string synced;  // what survives a power cut
  };
  using NameChange = std::function<void(std::map<std::string, int>&)>;

  void call() {
    if (++calls_ == cutAt_) throw PowerCut{};
  }
  File& file(NativeFile handle) { return files_.at(open_.at(handle)); }

  std::error_code create(const std::string& path, NativeFile& opened) {
    call();
    // Creating or truncating: a fresh, empty file under the name.
    const int id = static_cast<int>(files_.size());
    files_.push_back({});
    change([path, id](std::map<std::string, int>& names) { names[path] = id; });
    opened = nextHandle_++;
    open_[opened] = id;
    return {};
  }

  std::error_code rename(const std::string& from, const std::string& to) {
    call();
    if (!names_.count(from)) return std::make_error_code(std::errc::no_such_file_or_directory);
    change([from, to](std::map<std::string, int>& names) {
      names[to] = names.at(from);
      names.erase(from);
    });
    return {};
  }

  std::error_code unlink(const std::string& path) {
    call();
    if (!names_.count(path)) return std::make_error_code(std::errc::no_such_file_or_directory);
    change([path](std::map<std::string, int>& names) { names.erase(path); });
    return {};
  }

  void change(const NameChange& apply) {
    apply(names_);
    journal_.push_back(apply);
  }

  std::vector<File> files_;
  std::map<std::string, int> names_, initialNames_;
  std::vector<NameChange> journal_;
  std::map<NativeFile, int> open_;  // handle -> file
  NativeFile nextHandle_ = 3;
  int calls_ = 0;
  int cutAt_ = 0;
};
FragileDisk* FragileDisk::current = nullptr;

TEST(CrashSafeSave, APowerCutAtAnyCallLeavesTheOldOrTheNewContent) {
  const std::string oldBytes = formatRecords(versionOf(1));
  const std::string newBytes = formatRecords(versionOf(2));
  const std::string name = "/disk/Klotix.dat";
  for (int cutAt = 1;; ++cutAt) {
    SCOPED_TRACE(::testing::Message() << "power cut before call " << cutAt);
    FragileDisk disk(name, oldBytes);
    FragileDisk::current = &disk;
    disk.cutPowerAt(cutAt);
    bool cut = false;
    try {
      EXPECT_TRUE(writeFileAtomically(name, newBytes, nullptr, disk.steps()));
    } catch (const FragileDisk::PowerCut&) {
      cut = true;
    }
    for (const std::string& content : disk.afterPowerCut(name)) {
      const bool whole = content == oldBytes || content == newBytes;
      EXPECT_TRUE(whole) << "the file holds " << content.size() << " bytes: "
                         << content.substr(0, 40);
    }
    if (!cut) {
      EXPECT_EQ(disk.afterPowerCut(name).back(), newBytes);
      break;
    }
  }
  FragileDisk::current = nullptr;
}

// The version of the records in `file`, written with names `nameLength`
// long; -1 unless the whole file is exactly what Save wrote for a version.
int versionIn(const std::filesystem::path& file, std::size_t nameLength) {
  RecordTables tables;
  const LoadResult result = Load(file, tables);
  if (!result.clean || tables.reccount[1] < 1) return -1;
  const int version = tables.records[1][1].points / 10;
  return readBytes(file) == formatRecords(versionOf(version, nameLength)) ? version : -1;
}

// In a child process: saves the versions after args[1], with names args[2]
// long, to the file args[0], over and over until it is killed. After the
// first save it creates args[3], so the parent can time its kill from there
// rather than from the start of the process, which is slow on some systems.
int saveOverAndOver(const std::vector<std::string>& args) {
  const Path file = pathFromText(args[0]);
  const int from = std::stoi(args[1]);
  const std::size_t nameLength = std::stoul(args[2]);
  for (int next = from + 1;; ++next) {
    if (!Save(file, versionOf(next, nameLength)).ok) return 3;
    if (next == from + 1) testing::writeBytes(pathFromText(args[3]), "");
  }
}
const bool kSaveOverAndOver = testing::registerChildRole("save-over-and-over", &saveOverAndOver);

TEST(CrashSafeSave, KillingAProcessThatSavesOverAndOverNeverLeavesAPartialFile) {
  // The longest names a player can give (with room for " <version>") make
  // the largest file a game saves, so a kill lands as often as it can while
  // bytes are still being written or flushed.
  constexpr std::size_t kNameLength = kMaxNameLength - 6;
  constexpr int kKills = 30;
  TempFolder folder;
  const auto file = folder / "Klotix.dat";
  const auto started = folder / "started";

  // How long a save over an existing file takes here sets the range of the
  // random kill moments.
  ASSERT_TRUE(Save(file, versionOf(0, kNameLength)).ok);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Save(file, versionOf(0, kNameLength)).ok);
  const auto oneSave = std::chrono::steady_clock::now() - start;
  const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(oneSave * 3).count() + 1000;

  std::mt19937 random(std::random_device{}());
  int version = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    testing::ChildProcess child("save-over-and-over", {pathText(file), std::to_string(version),
                                                       std::to_string(kNameLength), pathText(started)});
    ASSERT_TRUE(child.started());
    testing::waitForFile(started);
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<long long>(0, longest)(random)));
    child.kill();
    ASSERT_EQ(child.wait(), testing::ChildProcess::kKilled) << "the saving process stopped by itself";
    std::filesystem::remove(started);

    const int found = versionIn(file, kNameLength);
    ASSERT_NE(found, -1) << "after kill " << kill << " the file is not one whole version";
    ASSERT_GE(found, version) << "a kill brought back an older version";
    version = found;
    EXPECT_FALSE(std::filesystem::exists(folder / "Klotix.dat.bak")) << "a save saw a damaged file";
  }
}

}  // namespace
}  // namespace klotix
