// The game window's logic: one game from load to game over. The Qt window
// owns one and routes its events to the handlers below; tests drive the
// handlers directly with fakes for the grids, the timer and the dialogs.
#pragma once

#include <cstdint>

#include "game/game_host.h"
#include "game/game_state.h"
#include "records/klotix_module.h"
#include "records/random_source.h"
#include "records/shown_text.h"
#include "ui/cell_grid.h"
#include "ui/dialogs.h"
#include "ui/text_label.h"
#include "ui/timer.h"

namespace klotix {

// Key codes the game reacts to, in the Windows virtual-key numbering.
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kKeyP = 80;

// Boxes of the game, as text, title and message-box flags.
inline constexpr const char* kPauseText = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Pause...press a key to continue");
inline constexpr const char* kPauseTitle = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Game Paused");
inline constexpr const char* kQuitText = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Do you want to stop playing?");
inline constexpr const char* kGameOverText = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Game Over");
inline constexpr const char* kGameOverTitle = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Game Over!");
// What the game-over box tells a screen reader besides its text: the
// player (%1) and the points (%2) of the game, on the level played, 1..3.
// One whole text per level, so that each language can word it as it must,
// with plural forms for the points.
inline constexpr const char* kGameOverResults[] = {
    KLOTIX_TRANSLATE_N_NOOP("klotix::Dialogs", "%1: %2 points on Slow"),
    KLOTIX_TRANSLATE_N_NOOP("klotix::Dialogs", "%1: %2 points on Medium"),
    KLOTIX_TRANSLATE_N_NOOP("klotix::Dialogs", "%1: %2 points on Quick"),
};
inline constexpr int kInfoBoxFlags = mb::kOk | mb::kIconInformation | mb::kRtlReading;  // 0x100040
inline constexpr int kQuitBoxFlags = mb::kYesNo | mb::kIconQuestion;                    // 36
// Shown before "Game Over" when the result could not be written to the
// record file, titled with the program's name: the file (%1) or folder that
// the failed step was on, and the reason (%2).
inline constexpr const char* kNotSavedFileText =
    KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Your result could not be saved.\n\nFile: %1\nReason: %2");
inline constexpr const char* kNotSavedFolderText =
    KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Your result could not be saved.\n\nFolder: %1\nReason: %2");
inline constexpr int kWarningBoxFlags = mb::kOk | mb::kIconWarning;

// Length of the input-discarding pause at the end of a game.
inline constexpr int kGameOverHoldMs = 500;

// The controls and services the game works through. All references must
// outlive the GameLogic.
struct GameParts {
  CellGrid& Shape1;   // playfield, 250 cells
  CellGrid& Shape3;   // preview of the next piece, 12 cells
  TextLabel& Label3;  // points display
  Timer& Timer1;      // the fall tick
  Dialogs& dialogs;
  GameHost& host;
  Klotix_Module& module;  // speed, level, player name, record tables
  RandomSource& random;   // one number per new piece
};

class GameLogic {
 public:
  explicit GameLogic(const GameParts& parts);
  GameLogic(const GameLogic&) = delete;
  GameLogic& operator=(const GameLogic&) = delete;

  // Event handlers
  void Form_Load();                                    // sets up a new game
  void Timer1_Timer();                                 // one fall tick
  void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);  // P, Up, Left, Right, Down
  void pause_menu_Click();
  void quit_menu_Click();

  // Procedures
  void Nyfig();     // brings in the next piece and previews a new one
  void Rotera();    // turns the falling piece if it fits
  void Ner();       // scores the lock and removes full rows
  void Paus();      // pauses until the pause box is closed
  void Gameover();  // records the result and returns to the main window

  // The state, for the window and for tests that set up positions.
  const GameState& state() const { return s_; }
  GameState& state() { return s_; }

 private:
  // Moving
  bool rests() const;  // a set cell on row 1 or directly above a settled block
  void shiftLeft();
  void shiftRight();
  void drop();

  // Painting
  void paint(int x, int y, Color color) { parts_.Shape1.setFillColor(coor(x, y), color); }
  void showPoints();

  GameParts parts_;
  GameState s_;
};

}  // namespace klotix
