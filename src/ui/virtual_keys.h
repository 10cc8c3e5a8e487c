// Key events in the Windows numbering the game's key handler expects:
// virtual-key codes and a Shift/Ctrl/Alt bit set.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace klotix {

// Virtual-key code of the key: letters and digits as their upper-case
// ASCII code, the arrows 37..40, and common control keys; 0 for keys
// without a code.
std::int16_t virtualKeyOf(const QKeyEvent& event);

// Modifier bits: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftStateOf(const QKeyEvent& event);

}  // namespace klotix
