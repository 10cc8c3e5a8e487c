// Sets up a falling piece directly in a game state, for tests and
// benchmarks that start from a chosen position.
#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/pieces.h"

namespace klotix::testing {

// Makes `kind` in rotation `state` the falling piece with its box at
// (posx, posy). Paints nothing.
inline void placePiece(GameState& s, int kind, int state, int posx, int posy) {
  s.fig = static_cast<std::int16_t>(kind);
  s.figcolor = pieceColor(kind);
  s.rot = static_cast<std::int16_t>(state);
  s.posx = static_cast<std::int16_t>(posx);
  s.posy = static_cast<std::int16_t>(posy);
  s.figureCells.fill(kClear);
  for (const MaskCell& cell : pieceCells(kind, state)) s.figure(cell.c, cell.r) = kSet;
}

}  // namespace klotix::testing
