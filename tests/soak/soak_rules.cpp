#include "soak/soak_rules.h"

#include "game/pieces.h"

namespace klotix::soak {

bool inside(Spot spot) {
  return spot.x >= 1 && spot.x <= kColumns && spot.y >= 1 && spot.y <= kRows;
}

Spots fallingSpots(const GameState& s) {
  Spots spots;
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      if (s.figure(c, r) == kSet) spots.push_back({s.posx + c - 1, s.posy - r + 1});
  return spots;
}

Spots spotsOf(int kind, int state, int posx, int posy) {
  Spots spots;
  for (const MaskCell& cell : pieceCells(kind, state))
    spots.push_back({posx + cell.c - 1, posy - cell.r + 1});
  return spots;
}

Spots moved(const Spots& spots, int dx, int dy) {
  Spots result = spots;
  for (Spot& spot : result) {
    spot.x += dx;
    spot.y += dy;
  }
  return result;
}

int nextState(int kind, int state) { return state % rotationStates(kind) + 1; }

Settled Settled::of(const GameState& s, const CellGrid& field) {
  Settled settled;
  for (int x = 1; x <= kColumns; ++x)
    for (int y = 1; y <= kRows; ++y)
      if (s.board(x, y) == kSet) settled.put({x, y}, field.fillColor(coor(x, y)));
  return settled;
}

void Settled::put(Spot spot, Color c) {
  occupied[coor(spot.x, spot.y)] = true;
  colour[coor(spot.x, spot.y)] = c;
}

bool fits(const Settled& settled, const Spots& piece) {
  for (const Spot& spot : piece)
    if (!inside(spot) || settled.at(spot)) return false;
  return true;
}

bool rests(const Settled& settled, const Spots& piece) {
  for (const Spot& spot : piece) {
    if (spot.y == 1) return true;
    const Spot below{spot.x, spot.y - 1};
    if (inside(below) && settled.at(below)) return true;
  }
  return false;
}

Spots landing(const Settled& settled, Spots piece) {
  while (!rests(settled, piece)) piece = moved(piece, 0, -1);
  return piece;
}

Lock lockPiece(Settled settled, const Spots& piece, Color colour) {
  for (const Spot& spot : piece) settled.put(spot, colour);

  // Copy the rows that stay, bottom up, into a fresh picture.
  Lock lock;
  for (int x = 1; x <= kColumns; ++x) lock.topRowHeld = lock.topRowHeld || settled.at({x, kRows});
  int to = 1;
  for (int y = 1; y <= kRows; ++y) {
    bool full = true;
    for (int x = 1; x <= kColumns; ++x) full = full && settled.at({x, y});
    if (full) {
      ++lock.rowsRemoved;
      continue;
    }
    for (int x = 1; x <= kColumns; ++x)
      if (settled.at({x, y})) lock.after.put({x, to}, settled.colour[coor(x, y)]);
    ++to;
  }
  return lock;
}

}  // namespace klotix::soak
