// Turning the falling piece: the states, the walls and the settled blocks.
#include <array>
#include <utility>

#include "game_fixture.h"

namespace klotix::testing {
namespace {

using Cells = std::set<std::pair<int, int>>;  // (c, r) pairs

Cells maskCells(const GameState& s) {
  Cells cells;
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      if (s.figure(c, r) == kSet) cells.insert({c, r});
  return cells;
}

// The shape moved to the top-left corner of its box.
Cells normalised(const Cells& cells) {
  int c0 = 4, r0 = 4;
  for (auto [c, r] : cells) {
    c0 = std::min(c0, c);
    r0 = std::min(r0, r);
  }
  Cells moved;
  for (auto [c, r] : cells) moved.insert({c - c0, r - r0});
  return moved;
}

// The shape turned a quarter turn clockwise on the screen, where rows grow
// downwards: the left column becomes the top row.
Cells turnedClockwise(const Cells& cells) {
  const Cells shape = normalised(cells);
  int height = 0;
  for (auto [c, r] : shape) height = std::max(height, r + 1);
  Cells turned;
  for (auto [c, r] : shape) turned.insert({height - 1 - r, c});
  return turned;
}

using RotationTest = GameTest;

TEST_F(RotationTest, EachUpTurnsAQuarterTurnClockwiseInsideTheBox) {
  struct Case {
    int kind;
    std::vector<int> states;  // after each Up
  };
  for (const Case& k : {Case{2, {2, 1, 2}}, Case{3, {2, 3, 4, 1}}, Case{4, {2, 3, 4, 1}},
                        Case{5, {2, 3, 4, 1}}, Case{6, {2, 1, 2}}, Case{7, {2, 1, 2}}}) {
    clearPlayfield();
    place(k.kind, 1, 4, 12);
    for (int state : k.states) {
      SCOPED_TRACE("kind " + std::to_string(k.kind) + " to state " + std::to_string(state));
      const Cells before = maskCells(s);
      const std::set<int> covered = pieceIndexes();
      field.clearLog();
      logic.Form_KeyDown(kKeyUp, 0);

      EXPECT_EQ(s.rot, state);
      EXPECT_EQ(s.posx, 4);
      EXPECT_EQ(s.posy, 12);
      const Cells after = maskCells(s);
      EXPECT_EQ(normalised(after), turnedClockwise(before));
      int cMin = 4, cMax = 1, rMin = 4, rMax = 1;
      for (auto [c, r] : after) {
        cMin = std::min(cMin, c);
        cMax = std::max(cMax, c);
        rMin = std::min(rMin, r);
        rMax = std::max(rMax, r);
      }
      // Where each state lies in the box: box column 1 and row 4 are the bar's alone.
      const std::array<int, 4> box = {cMin, cMax, rMin, rMax};
      std::array<int, 4> expected = state % 2 == 1 ? std::array{2, 3, 1, 3} : std::array{2, 4, 1, 2};
      if (k.kind == 2) expected = state == 1 ? std::array{1, 4, 2, 2} : std::array{2, 2, 1, 4};
      EXPECT_EQ(box, expected) << "columns, rows";
      expectMovedFrom(covered);
    }
  }
}

struct TurnCase {
  std::string what;
  int kind, state, posx, posy;
  bool turns;
  std::vector<std::pair<int, int>> blocks = {};  // settled blocks (x, y)
};

std::vector<TurnCase> turnCases() {
  std::vector<TurnCase> cases = {
      {"upright bar in column 1", 2, 2, 0, 12, false},  {"upright bar in column 2", 2, 2, 1, 12, true},
      {"upright bar in column 8", 2, 2, 7, 12, true},   {"upright bar in column 9", 2, 2, 8, 12, false},
      {"upright bar in column 10", 2, 2, 9, 12, false}, {"flat bar on the floor", 2, 1, 4, 2, false},
      {"flat bar on row 2", 2, 1, 4, 3, false},         {"flat bar on row 3", 2, 1, 4, 4, true},
      // The flat bar on row 11, columns 4..7, would stand in column 5, rows
      // 12..9; its own cell (5, 11) never blocks, blocks beside it neither.
      {"block on the top cell", 2, 1, 4, 12, false, {{5, 12}}},
      {"block on a middle cell", 2, 1, 4, 12, false, {{5, 10}}},
      {"block on the bottom cell", 2, 1, 4, 12, false, {{5, 9}}},
      {"blocks beside", 2, 1, 4, 12, true, {{4, 12}, {6, 10}, {5, 8}}},
  };
  for (int kind = 3; kind <= kKinds; ++kind)
    for (int state = 1; state <= rotationStates(kind); ++state) {
      const std::string name = "kind " + std::to_string(kind) + " state " + std::to_string(state);
      if (state % 2 == 1) {
        cases.push_back({name + " right column in column 10", kind, state, 8, 12, false});
        cases.push_back({name + " left column in column 1", kind, state, 0, 12, true});
      } else {
        cases.push_back({name + " lower row on row 1", kind, state, 4, 2, false});
        cases.push_back({name + " lower row on row 2", kind, state, 4, 3, true});
      }
    }
  return cases;
}

TEST_F(RotationTest, TurnsOnlyOntoFreeCellsInsideThePlayfield) {
  for (const TurnCase& w : turnCases()) {
    SCOPED_TRACE(w.what);
    clearPlayfield();
    for (auto [x, y] : w.blocks) settle(x, y, pieceColor(3));
    place(w.kind, w.state, w.posx, w.posy);
    const auto mask = s.figureCells;
    const std::set<int> covered = pieceIndexes();
    logic.Form_KeyDown(kKeyUp, 0);
    EXPECT_EQ(s.rot != w.state, w.turns);
    if (!w.turns) {
      EXPECT_EQ(s.figureCells, mask);
    }
    expectMovedFrom(covered);
  }
}

TEST_F(RotationTest, RoteraLeavesTheSquareAndAPlacedPieceAlone) {
  place(1, 1, 4, 12);
  GameState before = s;
  logic.Rotera();
  EXPECT_EQ(s, before);

  clearPlayfield();
  place(2, 1, 4, 12);
  s.fig = kNoPiece;  // as after a drop
  before = s;
  logic.Rotera();
  EXPECT_EQ(s, before);
  EXPECT_TRUE(field.repainted.empty());
}

}  // namespace
}  // namespace klotix::testing
