// The rules of play as the soak bot knows them from outside the game: where
// the falling piece lies, when it rests, where a shift, a turn or a drop
// takes it, and what a lock leaves behind. They are worked out here on a
// picture of the settled blocks, not through the game, so that the bot can
// say what it expects before every event.
#pragma once

#include <array>
#include <vector>

#include "game/game_state.h"
#include "game/types.h"
#include "ui/cell_grid.h"

namespace klotix::soak {

// A board cell: column x 1..10, row y 1..25 inside the playfield.
struct Spot {
  int x = 0;
  int y = 0;
  bool operator==(const Spot&) const = default;
};
using Spots = std::vector<Spot>;

bool inside(Spot spot);

// The board cells of the set cells of the falling piece's mask.
Spots fallingSpots(const GameState& s);

// The board cells of `kind` in rotation `state` with mask cell (1, 1) on
// (posx, posy), from the piece catalogue.
Spots spotsOf(int kind, int state, int posx, int posy);

Spots moved(const Spots& spots, int dx, int dy);

// The state that Up turns `kind` to from `state`.
int nextState(int kind, int state);

// The settled blocks: which playfield cells hold one, and the colour each of
// those shows. Free cells keep colour 0, so two pictures compare equal when
// the same blocks show the same colours. Intentionally copyable.
struct Settled {
  std::array<bool, kPlayfieldCells> occupied{};
  std::array<Color, kPlayfieldCells> colour{};

  // The settled blocks of a running game: `board` and the grid's colours.
  static Settled of(const GameState& s, const CellGrid& field);

  bool at(Spot spot) const { return occupied[coor(spot.x, spot.y)]; }
  void put(Spot spot, Color c);
  bool operator==(const Settled&) const = default;
};

// Every spot lies inside the playfield on a free cell.
bool fits(const Settled& settled, const Spots& piece);

// The piece can fall no further: a spot lies on row 1 or right above a block.
bool rests(const Settled& settled, const Spots& piece);

// Where a piece that falls straight down from `piece` comes to rest.
Spots landing(const Settled& settled, Spots piece);

// A lock: the piece's spots join the settled blocks in `colour`, every full
// row goes, the rows above it move down and empty rows fill the top.
struct Lock {
  Settled after;
  int rowsRemoved = 0;
  bool topRowHeld = false;  // row 25 held a block when the rows went
};
Lock lockPiece(Settled settled, const Spots& piece, Color colour);

}  // namespace klotix::soak
