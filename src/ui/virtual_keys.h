// Key events in the Windows numbering the game's key handler expects:
// virtual-key codes and a Shift/Ctrl/Alt bit set. Letters and digits are
// told by their place on the keyboard when the layout gives them no Latin
// meaning, so a Russian or Greek layout plays with the same keys.
#pragma once

#include <QKeyCombination>
#include <cstdint>

class QKeyEvent;

namespace klotix {

// Virtual-key code of the key: letters and digits as their upper-case
// ASCII code, the arrows 37..40, and common control keys; 0 for keys
// without a code. A key whose layout gives it a letter of another
// alphabet (a Cyrillic letter, say) counts as the letter or digit of a US
// layout at the same physical place, as Windows numbers it.
std::int16_t virtualKeyOf(const QKeyEvent& event);

// Modifier bits: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftStateOf(const QKeyEvent& event);

// The event as a Latin key with its modifiers, for matching menu
// shortcuts: Ctrl + the physical P of a Cyrillic layout gives Ctrl+P.
// Other keys keep their own key code.
QKeyCombination latinKeyCombinationOf(const QKeyEvent& event);

}  // namespace klotix
