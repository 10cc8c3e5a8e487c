// Turning the falling piece a quarter turn clockwise through its states.
#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix {

void GameLogic::Rotera() {
  // The square has no turns and without a piece there is nothing to turn.
  if (s_.fig < 2 || s_.fig > kKinds) return;

  s_.newrot = static_cast<std::int16_t>(s_.rot == 4 ? 1 : s_.rot + 1);
  if ((s_.fig == 2 || s_.fig > 5) && s_.newrot == 3) s_.newrot = 1;

  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) s_.rotfigure(c, r) = kClear;
  for (const MaskCell& cell : pieceCells(s_.fig, s_.newrot)) s_.rotfigure(cell.c, cell.r) = kSet;

  // The turned piece must lie inside the playfield and on free cells. The
  // piece's current cells never block: they are not in the board.
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.rotfigure(c, r) != kSet) continue;
      const int x = s_.posx + c - 1;
      const int y = s_.posy - r + 1;
      if (x < 1 || x > kColumns || y < 1) return;
      if (s_.board(x, y) == kSet) return;
    }
  }

  s_.rot = s_.newrot;
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      const int x = s_.posx + c - 1;
      const int y = s_.posy - r + 1;
      if (s_.figure(c, r) == kClear && s_.rotfigure(c, r) == kSet) paint(x, y, s_.figcolor);
      if (s_.figure(c, r) == kSet && s_.rotfigure(c, r) == kClear) paint(x, y, EMPTY_COLOR);
      s_.figure(c, r) = s_.rotfigure(c, r);
    }
  }
}

}  // namespace klotix
