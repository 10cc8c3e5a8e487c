// The keyboard: shifting, dropping, and the keys that do nothing.
#include "game_fixture.h"

namespace klotix::testing {
namespace {

using KeysTest = GameTest;

TEST_F(KeysTest, ShiftMovesOneColumnUnlessAWallOrABlockIsInTheWay) {
  struct Case {
    int kind, state, posx;
    std::int16_t key;
    bool moves;
    int blockX = 0, blockY = 0;  // a settled block, if any
  };
  const std::int16_t L = kKeyLeft, R = kKeyRight;
  std::vector<Case> cases = {
      {2, 1, 1, L, false}, {2, 1, 7, R, false}, {2, 1, 2, L, true},  {2, 1, 6, R, true},
      {1, 1, 0, L, false}, {1, 1, 8, R, false}, {1, 1, 1, L, true},  {1, 1, 7, R, true},
      {2, 2, 0, L, false}, {2, 2, 9, R, false}, {4, 2, 7, R, false}, {7, 1, 0, L, false},
      // Kind 3 covers (5,12), (6,12), (6,11) and (6,10): any one neighbour
      // blocks the whole shift, a block beside no cell does not.
      {3, 1, 4, L, false, 4, 12}, {3, 1, 4, L, false, 5, 11}, {3, 1, 4, L, false, 5, 10},
      {3, 1, 4, L, true, 4, 11},  {3, 1, 4, R, false, 7, 12}, {3, 1, 4, R, false, 7, 11},
      {3, 1, 4, R, false, 7, 10}, {3, 1, 4, R, true, 7, 9},
  };
  for (int kind = 1; kind <= kKinds; ++kind)
    for (int state = 1; state <= rotationStates(kind); ++state)
      for (std::int16_t key : {L, R}) cases.push_back({kind, state, 4, key, true});

  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " state " + std::to_string(c.state) + " posx " +
                 std::to_string(c.posx) + (c.key == L ? " Left" : " Right") + " block " +
                 std::to_string(c.blockX) + "," + std::to_string(c.blockY));
    clearPlayfield();
    if (c.blockX != 0) settle(c.blockX, c.blockY, pieceColor(5));
    place(c.kind, c.state, c.posx, 12);
    const std::set<int> before = pieceIndexes();
    logic.Form_KeyDown(c.key, 0);
    EXPECT_EQ(s.posx, c.posx + (c.moves ? (c.key == L ? -1 : 1) : 0));
    expectMovedFrom(before);
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

TEST_F(KeysTest, DropLandsOnTheFirstRestingPlaceBelow) {
  struct Case {
    const char* what;
    int blockY, posy, landedPosy;  // a block in column 5, 0 = none
  };
  for (const Case& c : {Case{"below an overhang", 10, 20, 12}, Case{"resting on the floor", 0, 2, 2},
                        Case{"resting on a block", 5, 7, 7}}) {
    SCOPED_TRACE(c.what);
    clearPlayfield();
    if (c.blockY != 0) settle(5, c.blockY, pieceColor(6));
    place(2, 1, 4, c.posy);  // the flat bar, columns 4..7
    logic.Form_KeyDown(kKeyDown, 0);
    EXPECT_EQ(s.fig, 0);
    EXPECT_EQ(s.posy, c.landedPosy);
    EXPECT_EQ(field.sets, 8);  // each cell once white, once in colour
    for (int x = 4; x <= 7; ++x) {
      EXPECT_EQ(s.board(x, c.landedPosy - 1), kSet);
      EXPECT_EQ(color(x, c.landedPosy - 1), pieceColor(2));
      if (c.posy != c.landedPosy) {
        EXPECT_EQ(color(x, c.posy - 1), EMPTY_COLOR);
      }
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
  for (int key : {int{kKeyUp}, 0, 13, 32, 36, 41, 79, 81, 112})
    logic.Form_KeyDown(static_cast<std::int16_t>(key), 0);
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
