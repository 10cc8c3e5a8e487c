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

  // Rows above the highest settled block are free and empty, so moving
  // them down changes nothing: the move can stop at that block's row.
  int top = 0;
  for (int y = 1; y <= kRows; ++y)
    for (int x = 1; x <= kColumns; ++x)
      if (s_.board(x, y) == kSet) top = y;

  // From the top down: a removal only moves rows that were already
  // examined, so every full row goes in this one call.
  for (int y = top; y >= 1; --y) {
    bool full = true;
    for (int x = 1; x <= kColumns; ++x)
      if (s_.board(x, y) == kClear) full = false;
    if (!full) continue;

    s_.points += kPointsPerRow;
    showPoints();

    // Everything above moves down one row, occupancy and colour alike; the
    // grid is the only record of the colours, so they are read back from
    // it. The highest row that held blocks comes out empty, as does the
    // top row when it is removed: nothing lies above it.
    for (int x = 1; x <= kColumns; ++x) {
      for (int y2 = y; y2 < top; ++y2) {
        s_.board(x, y2) = s_.board(x, y2 + 1);
        parts_.Shape1.setFillColor(coor(x, y2), parts_.Shape1.fillColor(coor(x, y2 + 1)));
      }
      s_.board(x, top) = kClear;
      paint(x, top, EMPTY_COLOR);
    }
    --top;
  }
}

}  // namespace klotix
