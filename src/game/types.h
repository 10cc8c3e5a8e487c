// The game's vocabulary: playfield size, the two fixed colours, mask flags
// and the index of a board cell in the playfield grid. Everything in the
// game includes this header.
#pragma once

#include <cstdint>

#include "ui/color.h"

namespace klotix {

// Playfield: columns 1..10 from the left, rows 1..25 from the bottom.
inline constexpr int kColumns = 10;
inline constexpr int kRows = 25;
inline constexpr int kPlayfieldCells = kColumns * kRows;  // Shape1: 0..249
inline constexpr int kPreviewColumns = 4;
inline constexpr int kPreviewRows = 3;
inline constexpr int kPreviewCells = kPreviewColumns * kPreviewRows;  // Shape3: 0..11

// Flags in `board` and in piece masks: -1 means set (a settled block, a
// cell of the piece), 0 means clear.
inline constexpr std::int16_t kSet = -1;
inline constexpr std::int16_t kClear = 0;

// Piece kinds are 1..7; 0 means no piece under the player's control.
inline constexpr int kKinds = 7;
inline constexpr std::int16_t kNoPiece = 0;
inline constexpr std::int16_t kSquare = 1;

inline constexpr Color EMPTY_COLOR = rgb(255, 255, 255);    // an empty playfield cell
inline constexpr Color PREVIEW_COLOR = rgb(224, 224, 224);  // an empty preview cell

// Where the next piece enters: mask column 1 on board column 4, mask row 1
// one row above the top row, so the first tick lowers it into view.
inline constexpr std::int16_t kStartX = 4;
inline constexpr std::int16_t kStartY = 26;

// Index in the playfield grid of board cell (x, y): 0 is the bottom-left
// cell, 249 the top-right. Requires x in 1..10 and y in 1..25.
constexpr int coor(int x, int y) { return x + (y - 1) * 10 - 1; }

}  // namespace klotix
