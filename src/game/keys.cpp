// The keyboard: pause, turn, shift left and right, drop.
#include "game/game_logic.h"

namespace klotix {

void GameLogic::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  // Modifiers are not looked at: a key acts the same with Shift, Ctrl or Alt.
  if (KeyCode == kKeyP) {
    Paus();
  } else if (KeyCode == kKeyUp) {
    if (s_.fig > kSquare) Rotera();
  } else if (KeyCode == kKeyLeft) {
    if (s_.fig > kNoPiece) shiftLeft();
  } else if (KeyCode == kKeyRight) {
    if (s_.fig > kNoPiece) shiftRight();
  } else if (KeyCode == kKeyDown) {
    if (s_.fig > kNoPiece) drop();
  }
}

void GameLogic::shiftLeft() {
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int x = s_.posx + c - 1;
      if (x - 1 < 1 || s_.board(x - 1, s_.posy - r + 1) == kSet) return;
    }
  }
  --s_.posx;
  // Only the cells the piece leaves turn white: a cell whose right
  // neighbour in the mask is set is covered again by that neighbour.
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int y = s_.posy - r + 1;
      if (s_.figure(c + 1, r) == kClear) paint(s_.posx + c, y, EMPTY_COLOR);
      paint(s_.posx + c - 1, y, s_.figcolor);
    }
  }
}

void GameLogic::shiftRight() {
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int x = s_.posx + c - 1;
      if (x + 1 > kColumns || s_.board(x + 1, s_.posy - r + 1) == kSet) return;
    }
  }
  ++s_.posx;
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int y = s_.posy - r + 1;
      if (s_.figure(c - 1, r) == kClear) paint(s_.posx + c - 2, y, EMPTY_COLOR);
      paint(s_.posx + c - 1, y, s_.figcolor);
    }
  }
}

void GameLogic::drop() {
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      if (s_.figure(c, r) == kSet) paint(s_.posx + c - 1, s_.posy - r + 1, EMPTY_COLOR);

  // The descent paints nothing; a piece that already rests stays put.
  while (!rests()) --s_.posy;

  // The piece is placed now; the next tick locks it again (a no-op on the
  // board), scores it and brings in the next piece.
  s_.fig = kNoPiece;
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      if (s_.figure(c, r) != kSet) continue;
      const int x = s_.posx + c - 1;
      const int y = s_.posy - r + 1;
      paint(x, y, s_.figcolor);
      s_.board(x, y) = kSet;
    }
  }
}

}  // namespace klotix
