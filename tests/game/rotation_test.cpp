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

      const std::set<int> now = pieceIndexes();
      const std::set<int> changed = changedCells(covered, now);
      EXPECT_EQ(std::set<int>(field.repainted.begin(), field.repainted.end()), changed);
      EXPECT_EQ(field.repainted.size(), changed.size());
      for (int i : now) EXPECT_EQ(field.fillColor(i), pieceColor(k.kind));
      for (int i : covered)
        if (!now.count(i)) {
          EXPECT_EQ(field.fillColor(i), EMPTY_COLOR);
        }
    }
  }
}

struct WallCase {
  std::string what;
  int kind, state, posx, posy;
  bool turns;
};

std::vector<WallCase> wallCases() {
  std::vector<WallCase> cases = {
      {"upright bar in column 1", 2, 2, 0, 12, false},  {"upright bar in column 2", 2, 2, 1, 12, true},
      {"upright bar in column 8", 2, 2, 7, 12, true},   {"upright bar in column 9", 2, 2, 8, 12, false},
      {"upright bar in column 10", 2, 2, 9, 12, false}, {"flat bar on the floor", 2, 1, 4, 2, false},
      {"flat bar on row 2", 2, 1, 4, 3, false},         {"flat bar on row 3", 2, 1, 4, 4, true},
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

TEST_F(RotationTest, TurnsOnlyWhenTheNewStateStaysInsideThePlayfield) {
  for (const WallCase& w : wallCases()) {
    SCOPED_TRACE(w.what);
    clearPlayfield();
    place(w.kind, w.state, w.posx, w.posy);
    const GameState before = s;
    logic.Form_KeyDown(kKeyUp, 0);
    if (w.turns) {
      EXPECT_NE(s.rot, w.state);
    } else {
      EXPECT_EQ(s.rot, w.state);
      EXPECT_EQ(s.figureCells, before.figureCells);
      EXPECT_TRUE(field.repainted.empty());
    }
  }
}

TEST_F(RotationTest, SettledBlockOnANewCellRefusesTheTurn) {
  // The flat bar on row 11, columns 4..7, would stand in column 5, rows 12..9.
  for (const auto& [x, y] : {std::pair{5, 12}, std::pair{5, 10}, std::pair{5, 9}}) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    clearPlayfield();
    settle(x, y, pieceColor(2));
    place(2, 1, 4, 12);
    logic.Form_KeyDown(kKeyUp, 0);
    EXPECT_EQ(s.rot, 1);
    EXPECT_TRUE(field.repainted.empty());
  }
  // Blocks next to the new cells do not matter, nor does the piece's own
  // cell (5, 11), which the turn covers again.
  clearPlayfield();
  for (const auto& [x, y] : {std::pair{4, 12}, std::pair{6, 10}, std::pair{5, 8}}) settle(x, y, pieceColor(3));
  place(2, 1, 4, 12);
  logic.Form_KeyDown(kKeyUp, 0);
  EXPECT_EQ(s.rot, 2);
  EXPECT_EQ(color(5, 11), pieceColor(2));
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
