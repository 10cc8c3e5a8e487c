#include "game/pieces.h"

#include <cassert>

namespace klotix {
namespace {

struct Kind {
  Color color;
  int states;
  std::array<PieceCells, 4> cells;  // states 1..4 at indexes 0..3
};

// Each state is the one before it turned a quarter turn clockwise on the
// screen; the place in the box is the table's own, not one fixed pivot.
const std::array<Kind, kKinds + 1> kCatalogue = {{
    {0, 0, {}},  // no piece
    // 1: the square, red
    {rgb(255, 0, 0), 1, {{{{{2, 2}, {3, 2}, {2, 3}, {3, 3}}}}}},
    // 2: the bar, green: flat in box row 2, upright in box column 2
    {rgb(0, 180, 0), 2,
     {{{{{1, 2}, {2, 2}, {3, 2}, {4, 2}}}, {{{2, 1}, {2, 2}, {2, 3}, {2, 4}}}}}},
    // 3: orange
    {rgb(255, 150, 0), 4,
     {{{{{2, 1}, {3, 1}, {3, 2}, {3, 3}}},
       {{{4, 1}, {2, 2}, {3, 2}, {4, 2}}},
       {{{2, 1}, {2, 2}, {2, 3}, {3, 3}}},
       {{{2, 1}, {3, 1}, {4, 1}, {2, 2}}}}}},
    // 4: grey
    {rgb(100, 100, 100), 4,
     {{{{{3, 1}, {2, 1}, {2, 2}, {2, 3}}},
       {{{2, 1}, {3, 1}, {4, 1}, {4, 2}}},
       {{{3, 1}, {3, 2}, {2, 3}, {3, 3}}},
       {{{2, 1}, {2, 2}, {3, 2}, {4, 2}}}}}},
    // 5: purple
    {rgb(200, 0, 200), 4,
     {{{{{3, 1}, {3, 2}, {3, 3}, {2, 2}}},
       {{{3, 1}, {2, 2}, {3, 2}, {4, 2}}},
       {{{2, 1}, {2, 2}, {3, 2}, {2, 3}}},
       {{{2, 1}, {3, 1}, {4, 1}, {3, 2}}}}}},
    // 6: blue
    {rgb(100, 100, 255), 2,
     {{{{{2, 1}, {2, 2}, {3, 2}, {3, 3}}}, {{{3, 1}, {4, 1}, {2, 2}, {3, 2}}}}}},
    // 7: cyan
    {rgb(0, 200, 200), 2,
     {{{{{3, 1}, {3, 2}, {2, 2}, {2, 3}}}, {{{2, 1}, {3, 1}, {3, 2}, {4, 2}}}}}},
}};

}  // namespace

Color pieceColor(int kind) {
  assert(kind >= 1 && kind <= kKinds);
  return kCatalogue[kind].color;
}

int rotationStates(int kind) {
  assert(kind >= 1 && kind <= kKinds);
  return kCatalogue[kind].states;
}

const PieceCells& pieceCells(int kind, int state) {
  assert(kind >= 1 && kind <= kKinds);
  assert(state >= 1 && state <= kCatalogue[kind].states);
  return kCatalogue[kind].cells[state - 1];
}

}  // namespace klotix
