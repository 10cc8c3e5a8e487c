// Modal message and input boxes. Message boxes are described by text, title
// and a flags value in the Windows message-box numbering, so the game states
// its boxes exactly as they were designed; the Qt implementation maps the
// buttons and icons, and tests inject a fake so no test blocks on a box.
// Callers give the texts in English with their arguments; the boxes show
// them in the player's language.
#pragma once

#include <string>
#include <vector>

namespace klotix {

// Flags of messageBox, combined with |.
namespace mb {
inline constexpr int kOk = 0x0;                   // one OK button
inline constexpr int kYesNo = 0x4;                // Yes and No buttons
inline constexpr int kIconQuestion = 0x20;        // question-mark icon
inline constexpr int kIconWarning = 0x30;         // exclamation-mark icon
inline constexpr int kIconInformation = 0x40;     // information icon
inline constexpr int kRtlReading = 0x100000;      // right-to-left reading order
inline constexpr int kButtonsMask = 0xF;
inline constexpr int kIconMask = 0xF0;
}  // namespace mb

// Results of messageBox: the button that closed the box.
namespace id {
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace id

// The translation context of the texts the boxes show: a caller marks
// them with KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", ...) (see
// records/shown_text.h).
inline constexpr const char* kDialogsContext = "klotix::Dialogs";

// One argument of a box's text: shown as it is (a name, points, a file,
// the system's own words), or translated when `marked` says that it may be
// a marked text of kDialogsContext itself.
struct BoxArgument {
  std::string text;
  bool marked = false;
};

// A text as a box is asked to show it: `text`, in English and marked in
// kDialogsContext, whose %1, %2, %3 the box fills with `arguments`, in one
// pass, once it has translated it. `count`, when not -1, picks the plural
// form of the translation (a number of points, counted without its sign).
// An empty text shows nothing.
struct BoxText {
  std::string text;
  std::vector<BoxArgument> arguments = {};
  int count = -1;
};

// The count that picks the plural form for `number` points: "-1 point"
// as "1 point". The translations fill the number itself in with its sign,
// as an argument: Qt's %n takes no negative number.
inline int pluralCount(long long number) {
  const long long size = number < 0 ? -number : number;
  return size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
}

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box and returns the button pressed (id::kOk,
  // id::kYes, id::kNo). Closing a Yes/No box without choosing gives id::kNo;
  // closing an OK box any way gives id::kOk. An empty title means the
  // application's title. Text and title are shown translated; a title
  // that no catalogue knows (the program's name) as it is. A screen reader
  // reads `description` too as the box's accessible description; the box
  // does not show it.
  virtual int messageBox(const BoxText& text, const std::string& title, int flags, const BoxText& description) = 0;

  // Shows a modal input box with a prompt, a title and a default answer, and
  // returns the text entered, which the box keeps to at most `maxLength`
  // characters. Cancel returns an empty text. Prompt and title are shown
  // translated; the default answer, as it is.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText, int maxLength) = 0;
};

}  // namespace klotix
