// The system beep.
#pragma once

namespace klotix {

void beep();

}  // namespace klotix
