// Construction, the points display and the pause.
#include "game/game_logic.h"

#include <string>

namespace klotix {

GameLogic::GameLogic(const GameParts& parts) : parts_(parts) {}

void GameLogic::showPoints() { parts_.Label3.setText(std::to_string(s_.points)); }

void GameLogic::pause_menu_Click() { Paus(); }

void GameLogic::Paus() {
  parts_.Timer1.setEnabled(false);
  // The answer does not matter: however the box is closed, play goes on,
  // and re-enabling the timer makes the next tick a full interval away.
  parts_.dialogs.messageBox({kPauseText}, kPauseTitle, kInfoBoxFlags, {});
  parts_.Timer1.setEnabled(true);
}

}  // namespace klotix
