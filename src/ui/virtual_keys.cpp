#include "ui/virtual_keys.h"

#include <QKeyEvent>

namespace klotix {

std::int16_t virtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<std::int16_t>(key);  // Qt uses the same ASCII codes
  }
  switch (key) {
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    default:
      return 0;
  }
}

std::int16_t shiftStateOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  int bits = 0;
  if (m & Qt::ShiftModifier) bits |= 1;
  if (m & Qt::ControlModifier) bits |= 2;
  if (m & Qt::AltModifier) bits |= 4;
  return static_cast<std::int16_t>(bits);
}

}  // namespace klotix
