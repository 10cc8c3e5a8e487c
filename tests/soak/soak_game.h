// One game of the soak bot, from load to game over, on the game logic wired
// to fakes. Every key and every tick is forecast from the rules and checked
// afterwards; the game stops at the first event that breaks something.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "records/klotix_module.h"
#include "soak/soak_checks.h"

namespace klotix::soak {

struct GameSetup {
  std::uint64_t seed = 0;  // everything random in the game comes from it
  double skill = 0.0;      // the player's, see Player
  bool towers = false;     // the player's style, see Player
  int pieceLimit = 0;      // after this many pieces every piece is dropped at once
};

struct GameResult {
  int pieces = 0;                     // pieces that came into play
  int rows = 0;                       // rows removed
  std::array<int, 5> locksByRows{};   // locks that removed 0..4 rows
  int removalsUnderTopRow = 0;        // locks that removed rows while row 25 held a block
  std::int32_t points = 0;
  bool endedByGameover = false;
  Problems problems;                  // empty when every check held
  std::string where;                  // the event at which problems were found
};

// Plays one game with the speed, level, player name and record tables of
// `module`; Gameover updates those tables and may save them.
GameResult playGame(const GameSetup& setup, Klotix_Module& module);

}  // namespace klotix::soak
