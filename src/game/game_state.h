// The complete state of one game: the score, the falling and the next
// piece, and the board of settled blocks. The colours of the settled blocks
// are not here: the playfield grid's cells are their only record.
#pragma once

#include <array>
#include <cstdint>

#include "game/types.h"

namespace klotix {

// Intentionally copyable: tests and tools compare whole states.
struct GameState {
  // Score and pieces
  std::int32_t points = 0;
  std::int16_t fig = kNoPiece;  // kind of the falling piece, 0 = none
  std::int16_t nextfig = 0;     // kind of the next piece
  Color figcolor = 0;           // colour of the falling piece; unset until a piece enters
  Color nextcolor = 0;          // colour of the next piece; unset until the first draw

  // Place of the falling piece: board cell of mask cell (1, 1)
  std::int16_t posx = 0;
  std::int16_t posy = 0;
  std::int16_t rot = 0;     // rotation state 1..4
  std::int16_t newrot = 0;  // state being tried by a turn

  // Column-major arrays, addressed through the accessors below.
  std::array<std::int16_t, 11 * 26> boardCells{};      // columns 0..10, rows 0..25
  std::array<std::int16_t, 6 * 5> figureCells{};       // columns 0..5, rows 0..4
  std::array<std::int16_t, 5 * 5> nextfigureCells{};   // columns 0..4, rows 0..4
  std::array<std::int16_t, 5 * 5> rotfigureCells{};    // columns 0..4, rows 0..4

  // Settled blocks: board(x, y) for x 0..10, y 0..25; only columns 1..10
  // of rows 1..25 are the playfield.
  std::int16_t& board(int x, int y) { return boardCells[x + 11 * y]; }
  std::int16_t board(int x, int y) const { return boardCells[x + 11 * y]; }

  // Mask of the falling piece, c 0..5 and r 0..4. Columns 0 and 5 and row 0
  // are a margin that stays clear, so neighbour tests may look one cell
  // beyond the 4 x 4 box.
  std::int16_t& figure(int c, int r) { return figureCells[c + 6 * r]; }
  std::int16_t figure(int c, int r) const { return figureCells[c + 6 * r]; }

  // Mask of the next piece and the mask of a turn being tried, c and r 1..4.
  std::int16_t& nextfigure(int c, int r) { return nextfigureCells[c + 5 * r]; }
  std::int16_t nextfigure(int c, int r) const { return nextfigureCells[c + 5 * r]; }
  std::int16_t& rotfigure(int c, int r) { return rotfigureCells[c + 5 * r]; }
  std::int16_t rotfigure(int c, int r) const { return rotfigureCells[c + 5 * r]; }

  bool operator==(const GameState&) const = default;
};

}  // namespace klotix
