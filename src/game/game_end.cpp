// Quitting and the end of a game: the result goes into the records.
#include <string>

#include "game/game_logic.h"
#include "records/record_files.h"
#include "ui/app_identity.h"

namespace klotix {

void GameLogic::quit_menu_Click() {
  parts_.Timer1.setEnabled(false);
  // No title of its own: the box shows the application's title.
  if (parts_.dialogs.messageBox({kQuitText}, "", kQuitBoxFlags, {}) == id::kYes) {
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
    // The file or folder is shown as it is; the reason is one of Klotix's
    // own texts or the system's own words.
    const BoxText text{saved.placeIsFolder ? kNotSavedFolderText : kNotSavedFileText,
                       {{saved.place}, {saved.reason, true}}};
    parts_.dialogs.messageBox(text, kAppName, kWarningBoxFlags, {});
  }

  // The box's text says only that the game is over; a screen reader hears
  // the result as well.
  BoxText result;
  if (module.level >= 1 && module.level <= kLevels)
    result = {kGameOverResults[module.level - 1], {{module.playername}, {std::to_string(s_.points)}},
              pluralCount(s_.points)};
  parts_.dialogs.messageBox({kGameOverText}, kGameOverTitle, kInfoBoxFlags, result);
  parts_.host.openMainWindow();
  parts_.host.closeGameWindow();
}

}  // namespace klotix
