// A second copy of the running test program, started to do one thing that
// needs a process of its own (die holding a lock, be killed while saving),
// the same way on every system. main() hands a child its role (test_main).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klotix::testing {

// The first argument of a child: the role and its arguments follow.
inline constexpr std::string_view kChildFlag = "--klotix-child";

// What a child does: its arguments (UTF-8) in, its exit status out.
using ChildRole = int (*)(const std::vector<std::string>& args);

// Makes `role` available to children under `name`. Meant for static
// initialisation: `const bool registered = registerChildRole(...);`.
bool registerChildRole(std::string_view name, ChildRole role);

// When this process was started as a child, runs its role and returns the
// exit status; otherwise nothing.
std::optional<int> runChildRoleIfAsked(int argc, char** argv);

class ChildProcess {
 public:
  static constexpr int kKilled = -1;

  // Starts this test program again to run `role` with `args`.
  ChildProcess(std::string_view role, const std::vector<std::string>& args);
  // Kills a child that still runs, and waits for it.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != kNone; }
  // Ends the child at once, as a crash would: none of its code runs again.
  void kill();
  // Waits for the child's end: its exit status, or kKilled after kill().
  int wait();

 private:
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t process_ = kNone;  // a pid, or a process HANDLE on Windows
  std::optional<int> status_;
};

// The arguments of this process as UTF-8 (on Windows not through the 8-bit
// code page that argv uses).
std::vector<std::string> argumentsOf(int argc, char** argv);

}  // namespace klotix::testing
