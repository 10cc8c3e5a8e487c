// Quitting and the end of a game: the result goes into the records.
#include "game/game_logic.h"
#include "records/record_file.h"
#include "records/record_update.h"

namespace klotix {

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

  Klotix_Module& module = parts_.module;
  if (recordResult(module.tables(), module.level, module.playername, s_.points)) {
    Save(module.recordFile, module.tables());
  }

  parts_.dialogs.messageBox(kGameOverText, kGameOverTitle, kInfoBoxFlags);
  parts_.host.openMainWindow();
  parts_.host.closeGameWindow();
}

}  // namespace klotix
