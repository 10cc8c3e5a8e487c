// Quitting and the end of a game: the result goes into the records.
#include <string>

#include "game/game_logic.h"
#include "records/record_files.h"
#include "ui/app_identity.h"

namespace klotix {

namespace {
// `text` with %1 and %2 replaced by `first` and `second` in one pass, so
// that a name holding "%2" stays as it is.
std::string withArguments(const std::string& text, const std::string& first, const std::string& second) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool argument = text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2');
    if (!argument) {
      out += text[i];
      continue;
    }
    out += text[i + 1] == '1' ? first : second;
    ++i;
  }
  return out;
}
}  // namespace

void GameLogic::quit_menu_Click() {
  parts_.Timer1.setEnabled(false);
  // No title of its own: the box shows the application's title.
  if (parts_.dialogs.messageBox(kQuitText, "", kQuitBoxFlags) == id::kYes) {
    Gameover();
    return;
  }
  parts_.Timer1.setEnabled(true);
}

void GameLogic::Gameover() {
  parts_.Timer1.setEnabled(false);
  parts_.host.beep();
  parts_.host.holdInput(kGameOverHoldMs);

  // A result that is lost must not look saved: the player is told where
  // and why before the game-over box.
  Klotix_Module& module = parts_.module;
  const SaveResult saved =
      enterResult(module.recordFiles, module.tables(), module.level, module.playername, s_.points);
  if (!saved.ok) {
    // Put together from translated parts; the file or folder, and a reason
    // in the system's own words, are shown as they are.
    const Dialogs& d = parts_.dialogs;
    parts_.dialogs.messageBox(d.translated(kNotSavedText) + "\n\n" +
                                  d.translated(saved.placeIsFolder ? kFolderLabel : kFileLabel) + saved.place +
                                  "\n" + d.translated(kReasonLabel) + d.translated(saved.reason),
                              kAppName, kWarningBoxFlags);
  }

  // The box's text says only that the game is over; a screen reader hears
  // the result as well.
  std::string result;
  if (module.level >= 1 && module.level <= kLevels)
    result = withArguments(parts_.dialogs.translated(kGameOverResults[module.level - 1]), module.playername,
                           std::to_string(s_.points));
  parts_.dialogs.messageBox(kGameOverText, kGameOverTitle, kInfoBoxFlags, result);
  parts_.host.openMainWindow();
  parts_.host.closeGameWindow();
}

}  // namespace klotix
