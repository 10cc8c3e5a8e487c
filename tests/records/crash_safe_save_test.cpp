// Saving the records must never leave "Klotix.dat" half written: whatever
// stops a save, and wherever, the file holds the whole old content or the
// whole new content. Stopped here three ways: a step that fails or a crash
// at every single system call, a power cut at every call on a disk that
// forgets what was not flushed, and SIGKILL at random moments of real saves.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "records/atomic_file.h"
#include "records/record_file.h"
#include "test_files.h"

namespace klotix {
namespace {

using testing::TempFolder;
using testing::readBytes;

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
// Clean-up after a failure (unlink) is never stopped. A global, because the
// steps are plain function pointers.
struct StepScript {
  static constexpr std::size_t kChunk = 64;
  int stopAt = 0;
  Stop stop = Stop::kFail;
  int calls = 0;
  int openFd = -1;       // the temporary's descriptor while it is open
  bool renamed = false;  // the rename went through

  // True when this call is the one to fail; throws when it is the crash.
  bool stopsHere() {
    if (++calls != stopAt) return false;
    if (stop == Stop::kCrash) throw SimulatedCrash{};
    errno = EIO;
    return true;
  }
};
StepScript gScript;

AtomicWriteSteps scriptedSteps() {
  AtomicWriteSteps steps = systemWriteSteps();
  steps.open = [](const char* path, int flags, mode_t mode) {
    if (gScript.stopsHere()) return -1;
    return gScript.openFd = systemWriteSteps().open(path, flags, mode);
  };
  steps.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
    return gScript.stopsHere() ? -1 : ::write(fd, data, std::min(size, StepScript::kChunk));
  };
  steps.fsync = [](int fd) { return gScript.stopsHere() ? -1 : ::fsync(fd); };
  steps.close = [](int fd) {
    if (gScript.stopsHere()) {
      ::close(fd);  // a failed close still releases the descriptor, as close(2) does
      gScript.openFd = -1;
      return errno = EIO, -1;
    }
    gScript.openFd = -1;
    return ::close(fd);
  };
  steps.rename = [](const char* from, const char* to) {
    if (gScript.stopsHere()) return -1;
    const int result = std::rename(from, to);
    gScript.renamed = result == 0;
    return result;
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
          if (gScript.openFd >= 0) ::close(gScript.openFd);  // as the end of a process would
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
    steps.open = [](const char* path, int flags, mode_t) { return current->open(path, flags); };
    steps.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
      current->call();
      // Short writes, so that a cut can fall between two pieces of one file.
      const std::size_t taken = std::min<std::size_t>(size, 50);
      current->file(fd).data.append(static_cast<const char*>(data), taken);
      return static_cast<ssize_t>(taken);
    };
    steps.fsync = [](int fd) {
      current->call();
      current->file(fd).synced = current->file(fd).data;
      return 0;
    };
    steps.close = [](int fd) {
      current->call();
      current->open_.erase(fd);
      return 0;
    };
    steps.rename = [](const char* from, const char* to) { return current->rename(from, to); };
    steps.unlink = [](const char* path) { return current->unlink(path); };
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
  File& file(int fd) { return files_.at(open_.at(fd)); }

  int open(const std::string& path, int flags) {
    call();
    if (!(flags & O_CREAT) || !(flags & O_TRUNC)) return errno = EINVAL, -1;  // not modelled
    // Creating or truncating: a fresh, empty file under the name.
    const int id = static_cast<int>(files_.size());
    files_.push_back({});
    change([path, id](std::map<std::string, int>& names) { names[path] = id; });
    const int fd = nextFd_++;
    open_[fd] = id;
    return fd;
  }

  int rename(const std::string& from, const std::string& to) {
    call();
    if (!names_.count(from)) return errno = ENOENT, -1;
    change([from, to](std::map<std::string, int>& names) {
      names[to] = names.at(from);
      names.erase(from);
    });
    return 0;
  }

  int unlink(const std::string& path) {
    call();
    if (!names_.count(path)) return errno = ENOENT, -1;
    change([path](std::map<std::string, int>& names) { names.erase(path); });
    return 0;
  }

  void change(const NameChange& apply) {
    apply(names_);
    journal_.push_back(apply);
  }

  std::vector<File> files_;
  std::map<std::string, int> names_, initialNames_;
  std::vector<NameChange> journal_;
  std::map<int, int> open_;  // descriptor -> file
  int nextFd_ = 3;
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

TEST(CrashSafeSave, KillingAProcessThatSavesOverAndOverNeverLeavesAPartialFile) {
  // Names of 4 KB make a file of 180 KB, so a kill often lands while bytes
  // are still being written or flushed.
  constexpr std::size_t kNameLength = 4 * 1024;
  constexpr int kKills = 30;
  TempFolder folder;
  const auto file = folder / "Klotix.dat";

  // How long a save over an existing file takes here sets the range of the
  // random kill moments.
  ASSERT_TRUE(Save(file, versionOf(0, kNameLength)).ok);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Save(file, versionOf(0, kNameLength)).ok);
  const auto oneSave = std::chrono::steady_clock::now() - start;
  const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(oneSave * 3).count() + 1000;

  std::mt19937 random(std::random_device{}());
  int version = 0;
  int advanced = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      // Saves newer and newer versions until it is killed.
      for (int next = version + 1;; ++next)
        if (!Save(file, versionOf(next, kNameLength)).ok) ::_exit(3);
    }
    ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<long>(0, longest)(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saving process stopped by itself";

    const int found = versionIn(file, kNameLength);
    ASSERT_NE(found, -1) << "after kill " << kill << " the file is not one whole version";
    ASSERT_GE(found, version) << "a kill brought back an older version";
    if (found > version) ++advanced;
    version = found;
    EXPECT_FALSE(std::filesystem::exists(folder / "Klotix.dat.bak")) << "a save saw a damaged file";
  }
  // Otherwise every kill came before the first save ended and little was tested.
  EXPECT_GT(advanced, 0);
}

}  // namespace
}  // namespace klotix
