// The fall tick: land and lock, or move down one row; then draw.
#include "game/game_logic.h"

namespace klotix {

void GameLogic::Timer1_Timer() {
  // Landing test over all sixteen mask cells. The board is read only inside
  // the playfield, so a mask column beside the playfield is skipped.
  for (int c = 1; c <= 4; ++c) {
    const int x = s_.posx + c - 1;
    for (int r = 1; r <= 4; ++r) {
      const bool set = s_.figure(c, r) == kSet;
      if (set && s_.posy - r + 1 == 1) s_.fig = kNoPiece;
      if (x > 0 && s_.posy - r > 0 && x < 11 && s_.board(x, s_.posy - r) == kSet && set) {
        s_.fig = kNoPiece;
      }
    }
  }

  if (s_.fig == kNoPiece) {
    // Lock: the cells keep the colour they were drawn in and from now on
    // show settled blocks.
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r)
        if (s_.figure(c, r) == kSet) s_.board(s_.posx + c - 1, s_.posy - r + 1) = kSet;
    Ner();
    Nyfig();
  } else {
    // Move: erase only the cells the piece leaves. A cell with a set cell
    // above it in the mask stays covered after the move and is not touched,
    // so it never flashes white.
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r)
        if (s_.figure(c, r) == kSet && s_.figure(c, r - 1) == kClear)
          paint(s_.posx + c - 1, s_.posy - r + 1, EMPTY_COLOR);
  }

  --s_.posy;

  // Draw and test. A cell holding a settled block ends the game whatever
  // its colour; cells drawn before it keep the new piece's colour.
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int x = s_.posx + c - 1;
      const int y = s_.posy - r + 1;
      if (s_.board(x, y) == kSet) {
        Gameover();
        return;
      }
      paint(x, y, s_.figcolor);
    }
  }
}

bool GameLogic::rests() const {
  for (int c = 1; c <= 4; ++c) {
    const int x = s_.posx + c - 1;
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int y = s_.posy - r + 1;
      if (y == 1) return true;
      if (y >= 2 && x >= 1 && x <= kColumns && s_.board(x, y - 1) == kSet) return true;
    }
  }
  return false;
}

}  // namespace klotix
