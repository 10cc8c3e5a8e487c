// The piece catalogue: the seven kinds with their colours and the masks of
// their rotation states. State 1 of each kind is the shape it enters with.
#pragma once

#include <array>
#include <cstdint>

#include "game/types.h"

namespace klotix {

// A cell of a piece's 4 x 4 box: column c 1..4 from the left, row r 1..4
// from the top.
struct MaskCell {
  std::int8_t c;
  std::int8_t r;
};
using PieceCells = std::array<MaskCell, 4>;

// Colour of kind 1..7.
Color pieceColor(int kind);

// Number of rotation states of kind 1..7: 1 for the square, 2 for the bar
// and the two skew pieces, 4 for the others.
int rotationStates(int kind);

// The four set cells of kind 1..7 in rotation state 1..rotationStates(kind).
const PieceCells& pieceCells(int kind, int state);

}  // namespace klotix
