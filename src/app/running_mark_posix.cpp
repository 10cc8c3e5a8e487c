#include "app/running_mark.h"

namespace klotix {

// Linux and macOS packages replace a running program's files safely; no
// installer looks for a mark.
RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;

}  // namespace klotix
