// Scoring a locked piece and removing full rows.
#include "game/game_logic.h"

namespace klotix {

namespace {
constexpr int kPointsPerPiece = 10;
constexpr int kPointsPerRow = 150;
}  // namespace

void GameLogic::Ner() {
  s_.points += kPointsPerPiece;
  showPoints();

  // From the top down: a removal only moves rows that were already
  // examined, so every full row goes in this one call.
  for (int y = kRows; y >= 1; --y) {
    bool full = true;
    for (int x = 1; x <= kColumns; ++x)
      if (s_.board(x, y) == kClear) full = false;
    if (!full) continue;

    s_.points += kPointsPerRow;
    showPoints();

    // Everything above moves down one row, occupancy and colour alike; the
    // grid is the only record of the colours, so they are read back from it.
    for (int x = 1; x <= kColumns; ++x) {
      for (int y2 = y; y2 <= kRows - 1; ++y2) {
        s_.board(x, y2) = s_.board(x, y2 + 1);
        parts_.Shape1.setFillColor(coor(x, y2), parts_.Shape1.fillColor(coor(x, y2 + 1)));
      }
      // Nothing lies above the top row, so it comes out empty. Keeping its
      // old blocks would duplicate them into row 24.
      s_.board(x, kRows) = kClear;
      paint(x, kRows, EMPTY_COLOR);
    }
  }
}

}  // namespace klotix
