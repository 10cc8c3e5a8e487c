// The keyboard: shifting, dropping, and the keys that do nothing.
#include "game_fixture.h"

namespace klotix::testing {
namespace {

using KeysTest = GameTest;

TEST_F(KeysTest, ShiftMovesOneColumnUnlessAWallIsInTheWay) {
  struct Case {
    int kind, state, posx;
    std::int16_t key;
    bool moves;
  };
  std::vector<Case> cases = {
      {2, 1, 1, kKeyLeft, false}, {2, 1, 7, kKeyRight, false}, {2, 1, 2, kKeyLeft, true},
      {2, 1, 6, kKeyRight, true}, {1, 1, 0, kKeyLeft, false},  {1, 1, 8, kKeyRight, false},
      {1, 1, 1, kKeyLeft, true},  {1, 1, 7, kKeyRight, true},  {2, 2, 0, kKeyLeft, false},
      {2, 2, 9, kKeyRight, false}, {4, 2, 7, kKeyRight, false}, {7, 1, 0, kKeyLeft, false},
  };
  for (int kind = 1; kind <= kKinds; ++kind)
    for (int state = 1; state <= rotationStates(kind); ++state)
      for (std::int16_t key : {kKeyLeft, kKeyRight}) cases.push_back({kind, state, 4, key, true});

  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " state " + std::to_string(c.state) + " posx " +
                 std::to_string(c.posx) + (c.key == kKeyLeft ? " Left" : " Right"));
    clearPlayfield();
    place(c.kind, c.state, c.posx, 12);
    const std::set<int> before = pieceIndexes();
    logic.Form_KeyDown(c.key, 0);
    const int step = c.key == kKeyLeft ? -1 : 1;
    EXPECT_EQ(s.posx, c.posx + (c.moves ? step : 0));
    const std::set<int> after = pieceIndexes();
    const std::set<int> changed = changedCells(before, after);
    EXPECT_EQ(std::set<int>(field.repainted.begin(), field.repainted.end()), changed);
    EXPECT_EQ(field.repainted.size(), changed.size()) << "a cell flashed";
    for (int i : after) EXPECT_EQ(field.fillColor(i), pieceColor(c.kind));
  }
}

TEST_F(KeysTest, OneBlockedCellRefusesTheWholeShift) {
  // Kind 3 covers (5,12), (6,12), (6,11) and (6,10).
  struct Case {
    std::int16_t key;
    int x, y;
    bool moves;
  };
  for (const Case& c : {Case{kKeyLeft, 4, 12, false}, Case{kKeyLeft, 5, 11, false},
                        Case{kKeyLeft, 5, 10, false}, Case{kKeyLeft, 4, 11, true},
                        Case{kKeyRight, 7, 12, false}, Case{kKeyRight, 7, 11, false},
                        Case{kKeyRight, 7, 10, false}, Case{kKeyRight, 7, 9, true}}) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    clearPlayfield();
    settle(c.x, c.y, pieceColor(5));
    place(3, 1, 4, 12);
    logic.Form_KeyDown(c.key, 0);
    EXPECT_EQ(s.posx, c.moves ? 4 + (c.key == kKeyLeft ? -1 : 1) : 4);
    if (!c.moves) {
      EXPECT_TRUE(field.repainted.empty());
    }
  }
}

TEST_F(KeysTest, LyingBarShiftsWithOneWhiteAndFourColouredCells) {
  place(2, 1, 4, 12);  // row 11, columns 4..7
  logic.Form_KeyDown(kKeyLeft, 0);
  EXPECT_EQ(field.sets, 5);
  EXPECT_EQ(std::set<int>(field.repainted.begin(), field.repainted.end()),
            (std::set<int>{coor(3, 11), coor(7, 11)}));
  EXPECT_EQ(color(7, 11), EMPTY_COLOR);
}

TEST_F(KeysTest, DropStopsOnTheFirstBlockBelow) {
  settle(5, 10, pieceColor(6));  // an overhang with free rows under it
  place(2, 1, 4, 20);
  logic.Form_KeyDown(kKeyDown, 0);
  EXPECT_EQ(s.fig, 0);
  EXPECT_EQ(s.posy, 12);
  EXPECT_EQ(field.sets, 8);  // each cell once white, once in colour
  EXPECT_EQ(render(), picture({"...2222...", "....6....."}, 11));
}

TEST_F(KeysTest, DropOfARestingPieceLeavesItWhereItIs) {
  settle(5, 5, pieceColor(6));
  for (int posy : {2, 7}) {  // on the floor, on the block
    place(2, 1, 4, posy);
    logic.Form_KeyDown(kKeyDown, 0);
    EXPECT_EQ(s.posy, posy);
    EXPECT_EQ(s.fig, 0);
    for (int x = 4; x <= 7; ++x) {
      EXPECT_EQ(s.board(x, posy - 1), kSet);
      EXPECT_EQ(color(x, posy - 1), pieceColor(2));
    }
  }
}

TEST_F(KeysTest, OnlyPActsWhileNoPieceFalls) {
  load({2, 6});
  const auto onlyPActs = [&] {
    const GameState before = s;
    field.clearLog();
    for (std::int16_t key : {kKeyUp, kKeyLeft, kKeyRight, kKeyDown}) logic.Form_KeyDown(key, 0);
    EXPECT_EQ(s, before);
    EXPECT_TRUE(field.repainted.empty());
    logic.Form_KeyDown(kKeyP, 0);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    dialogs.boxes.clear();
  };
  onlyPActs();  // before the first tick
  logic.Timer1_Timer();
  logic.Form_KeyDown(kKeyDown, 0);
  onlyPActs();  // after a drop

  const auto settled = s.boardCells;
  logic.Timer1_Timer();
  EXPECT_EQ(s.boardCells, settled);
  EXPECT_EQ(s.points, 10);
  EXPECT_EQ(s.fig, 6);
  EXPECT_EQ(render(), picture({"....f.....", "....ff....", ".....f....", "", "", "", "", "", "", "",
                               "", "", "", "", "", "", "", "", "", "", "", "", "", "", "...2222..."},
                              25));
}

TEST_F(KeysTest, ModifiersAreIgnoredAndOtherKeysDoNothing) {
  for (std::int16_t key : {kKeyLeft, kKeyRight, kKeyUp, kKeyDown}) {
    clearPlayfield();
    place(5, 1, 4, 12);
    logic.Form_KeyDown(key, 0);
    const GameState bare = s;
    for (int shift : {1, 2, 4, 7}) {
      clearPlayfield();
      place(5, 1, 4, 12);
      logic.Form_KeyDown(key, static_cast<std::int16_t>(shift));
      EXPECT_EQ(s, bare) << "key " << key << " shift " << shift;
    }
  }
  clearPlayfield();
  place(1, 1, 4, 12);
  const GameState before = s;
  for (int key : {int{kKeyUp}, 0, 13, 32, 36, 41, 79, 81, 112}) logic.Form_KeyDown(static_cast<std::int16_t>(key), 0);
  EXPECT_EQ(s, before);
  EXPECT_TRUE(field.repainted.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(KeysTest, RestingPieceShiftedOverAGapFallsOnTheNextTick) {
  lay({"666666...."}, 5);
  place(1, 1, 4, 8);  // the square on the ledge, columns 5..6, rows 7..6
  logic.Form_KeyDown(kKeyRight, 0);
  logic.Form_KeyDown(kKeyRight, 0);  // now columns 7..8, over the gap
  logic.Timer1_Timer();
  EXPECT_EQ(s.fig, 1);
  EXPECT_EQ(s.posy, 7);
}

}  // namespace
}  // namespace klotix::testing
