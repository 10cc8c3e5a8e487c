#include "ui/virtual_keys.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace klotix {

namespace {

bool isLatinLetterOrDigit(int key) {
  return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

// Native codes of the letter and digit keys on a US layout, paired with
// the Latin key at that place.
using NativeKeys = std::array<std::pair<quint32, char>, 36>;

#if defined(Q_OS_MACOS)
// macOS virtual key codes (kVK_ANSI_*), which name physical keys.
constexpr NativeKeys kNativeKeys = {{
    {0x00, 'A'}, {0x0B, 'B'}, {0x08, 'C'}, {0x02, 'D'}, {0x0E, 'E'}, {0x03, 'F'}, {0x05, 'G'}, {0x04, 'H'},
    {0x22, 'I'}, {0x26, 'J'}, {0x28, 'K'}, {0x25, 'L'}, {0x2E, 'M'}, {0x2D, 'N'}, {0x1F, 'O'}, {0x23, 'P'},
    {0x0C, 'Q'}, {0x0F, 'R'}, {0x01, 'S'}, {0x11, 'T'}, {0x20, 'U'}, {0x09, 'V'}, {0x0D, 'W'}, {0x07, 'X'},
    {0x10, 'Y'}, {0x06, 'Z'}, {0x1D, '0'}, {0x12, '1'}, {0x13, '2'}, {0x14, '3'}, {0x15, '4'}, {0x17, '5'},
    {0x16, '6'}, {0x1A, '7'}, {0x1C, '8'}, {0x19, '9'},
}};
quint32 nativeKeyOf(const QKeyEvent& event) { return event.nativeVirtualKey(); }
#elif !defined(Q_OS_WIN)
// XKB keycodes (Linux evdev scan code + 8), which X11 and Wayland report
// as the native scan code.
constexpr NativeKeys kNativeKeys = {{
    {38, 'A'}, {56, 'B'}, {54, 'C'}, {40, 'D'}, {26, 'E'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {31, 'I'},
    {44, 'J'}, {45, 'K'}, {46, 'L'}, {58, 'M'}, {57, 'N'}, {32, 'O'}, {33, 'P'}, {24, 'Q'}, {27, 'R'},
    {39, 'S'}, {28, 'T'}, {30, 'U'}, {55, 'V'}, {25, 'W'}, {53, 'X'}, {29, 'Y'}, {52, 'Z'}, {19, '0'},
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'}, {15, '6'}, {16, '7'}, {17, '8'}, {18, '9'},
}};
quint32 nativeKeyOf(const QKeyEvent& event) { return event.nativeScanCode(); }
#endif

// The Latin letter or digit at the key's physical place; 0 when the key
// is none of these.
int physicalLatinKey(const QKeyEvent& event) {
#if defined(Q_OS_WIN)
  // Windows keeps the Latin virtual-key codes on non-Latin layouts.
  const quint32 vk = event.nativeVirtualKey();
  return isLatinLetterOrDigit(static_cast<int>(vk)) ? static_cast<int>(vk) : 0;
#else
  const quint32 native = nativeKeyOf(event);
  for (const auto& [code, latin] : kNativeKeys) {
    if (code == native) return latin;
  }
  return 0;
#endif
}

// A letter other than A..Z, such as a Cyrillic, Greek or accented one:
// Qt gives these keys the code point of the upper-case letter.
bool isOtherLetter(int key) {
  return key > 0 && key <= 0x10FFFF && QChar::isLetter(static_cast<char32_t>(key));
}

// The Latin letter or digit the key stands for: its own when the layout
// gives one, else, for a letter of another alphabet, the one at its
// physical place; 0 for other keys.
int latinKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (isLatinLetterOrDigit(key)) return key;  // Qt uses the same ASCII codes
  return isOtherLetter(key) ? physicalLatinKey(event) : 0;
}

}  // namespace

std::int16_t virtualKeyOf(const QKeyEvent& event) {
  switch (event.key()) {
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
      return static_cast<std::int16_t>(latinKeyOf(event));
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

QKeyCombination latinKeyCombinationOf(const QKeyEvent& event) {
  const int latin = latinKeyOf(event);
  const Qt::Key key = latin != 0 ? static_cast<Qt::Key>(latin) : static_cast<Qt::Key>(event.key());
  return QKeyCombination(event.modifiers(), key);
}

}  // namespace klotix
