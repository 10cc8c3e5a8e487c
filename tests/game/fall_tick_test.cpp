// The fall tick: falling, landing, locking and an overlap at the start place.
#include "game_fixture.h"

namespace klotix::testing {
namespace {

using FallTickTest = GameTest;

TEST_F(FallTickTest, BarFallsToTheFloorAndLocksOnTheNextTick) {
  load({2, 4});
  logic.Timer1_Timer();  // the bar appears on row 24
  for (int y = 23; y >= 1; --y) {
    logic.Timer1_Timer();
    ASSERT_EQ(s.fig, 2) << "landed early above row " << y;
    for (int x = 4; x <= 7; ++x) {
      EXPECT_EQ(color(x, y), pieceColor(2)) << x << "," << y;
      EXPECT_EQ(color(x, y + 1), EMPTY_COLOR) << x << "," << y + 1;
      EXPECT_EQ(s.board(x, y), kClear);
    }
  }
  logic.Timer1_Timer();
  EXPECT_EQ(render(), picture({"....dd....", "....d.....", "....d.....", "", "", "", "", "", "", "",
                               "", "", "", "", "", "", "", "", "", "", "", "", "", "", "...2222..."},
                              25));
  EXPECT_EQ(s.fig, 4);
  EXPECT_EQ(s.points, 10);
}

TEST_F(FallTickTest, FallStepRepaintsOnlyTheCellsThatChange) {
  for (int kind = 1; kind <= kKinds; ++kind)
    for (int state = 1; state <= rotationStates(kind); ++state) {
      SCOPED_TRACE("kind " + std::to_string(kind) + " state " + std::to_string(state));
      clearPlayfield();
      place(kind, state, 4, 12);
      const std::set<int> before = pieceIndexes();
      logic.Timer1_Timer();
      ASSERT_EQ(s.posy, 11);
      expectMovedFrom(before);
    }
}

TEST_F(FallTickTest, PiecesAtTheWallsFallAndLandNormally) {
  struct Case {
    int kind, state, posx;
  };
  // Mask columns outside the playfield are clear; what lies beside the
  // playfield in the board must not stop them.
  for (const Case& c : {Case{1, 1, 0}, Case{1, 1, 8}, Case{2, 2, 0}, Case{2, 2, 9}, Case{3, 1, 8},
                        Case{6, 1, 0}, Case{5, 3, 0}}) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " posx " + std::to_string(c.posx));
    clearPlayfield();
    for (int y = 0; y <= kRows; ++y) s.board(0, y) = kSet;
    place(c.kind, c.state, c.posx, 15);
    int lowest = kRows;
    for (int i : pieceIndexes()) lowest = std::min(lowest, i / kColumns + 1);
    for (int tick = 1; tick < lowest; ++tick) logic.Timer1_Timer();
    ASSERT_EQ(s.fig, c.kind);
    const std::set<int> landed = pieceIndexes();
    EXPECT_EQ(*landed.begin() / kColumns, 0) << "not on row 1";
    logic.Timer1_Timer();
    for (int i : landed) EXPECT_EQ(s.board(i % kColumns + 1, i / kColumns + 1), kSet);
  }
}

// A settled block under the start place ends the game in the tick that draws
// the new piece, whatever the block's colour.
class StartOverlapTest : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartOverlapTest, EndsTheGameKeepingTheCellsDrawnBeforeTheBlock) {
  const Color blocker = pieceColor(GetParam());
  load({2, 5});
  settle(6, 24, blocker);
  logic.Timer1_Timer();

  EXPECT_FALSE(timer.enabled());
  EXPECT_EQ(host.events, (std::vector<std::string>{"beep", "hold " + std::to_string(kGameOverHoldMs),
                                                   "open main", "close game"}));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, kGameOverText);
  EXPECT_EQ(color(4, 24), pieceColor(2));
  EXPECT_EQ(color(5, 24), pieceColor(2));
  EXPECT_EQ(color(6, 24), blocker);
  EXPECT_EQ(color(7, 24), EMPTY_COLOR);
}

INSTANTIATE_TEST_SUITE_P(BlockColours, StartOverlapTest, ::testing::Values(4, 2),
                         [](const auto& p) { return p.param == 2 ? "SameColour" : "OtherColour"; });

}  // namespace
}  // namespace klotix::testing
