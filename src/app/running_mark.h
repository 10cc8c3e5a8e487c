// The mark a running Klotix leaves for its installer. On Windows a program
// cannot be replaced or removed while it runs, so Klotix's installer and
// uninstaller look for this mark first and ask the player to close the
// game, rather than leave a folder half updated or half removed. Other
// systems need no mark: their packages replace a running program safely.
#pragma once

#include <vector>

namespace klotix {

class RunningMark {
 public:
  // Leaves the mark for as long as the object lives; a failure to leave it
  // only costs the installer its warning, so it is not reported.
  RunningMark();
  ~RunningMark();
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  std::vector<void*> handles_;
};

}  // namespace klotix
