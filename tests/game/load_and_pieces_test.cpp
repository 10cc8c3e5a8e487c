// Setting up a game, the piece catalogue and bringing in the next piece.
#include <cmath>

#include "game_fixture.h"

namespace klotix::testing {
namespace {

TEST(Coor, MapsBoardCellsToGridIndexes) {
  struct Case {
    int x, y, index;
  };
  for (const Case& c : {Case{1, 1, 0}, Case{10, 1, 9}, Case{1, 25, 240}, Case{10, 25, 249},
                        Case{4, 25, 243}, Case{3, 2, 12}})
    EXPECT_EQ(coor(c.x, c.y), c.index) << "(" << c.x << ", " << c.y << ")";
}

using LoadTest = GameTest;

TEST_F(LoadTest, StartsFromAClearGameWhateverWasLeftBefore) {
  // Leftovers of an earlier game must not leak into the new one.
  lay({"1234567123"});
  s.nextfigure(2, 2) = kSet;
  s.nextfig = 3;
  s.points = 999;
  module.speed = kSpeedQuick;
  load({5});

  EXPECT_EQ(render(), picture({}));
  EXPECT_EQ(s.fig, 0);
  EXPECT_EQ(s.posx, 4);
  EXPECT_EQ(s.posy, 26);
  EXPECT_EQ(s.rot, 1);
  EXPECT_EQ(s.points, -10);
  EXPECT_EQ(label.text(), "Points");
  EXPECT_EQ(timer.interval(), kSpeedQuick);
  EXPECT_TRUE(timer.enabled());
  for (int c = 0; c <= 5; ++c)
    for (int r = 0; r <= 4; ++r) EXPECT_EQ(s.figure(c, r), kClear) << c << "," << r;
  EXPECT_EQ(s.nextfig, 5);
  EXPECT_EQ(random.drawn, 1);
  EXPECT_EQ(previewed(), (std::set<int>{2, 5, 6, 10}));
}

struct KindCase {
  int kind;
  Color color;
  std::set<int> preview;  // preview cells of the entry shape
};
void PrintTo(const KindCase& c, std::ostream* out) { *out << "kind " << c.kind; }
const KindCase kKindCases[] = {
    {1, 255, {5, 6, 9, 10}},      {2, 46080, {4, 5, 6, 7}},     {3, 38655, {1, 2, 6, 10}},
    {4, 6579300, {1, 2, 5, 9}},   {5, 13107400, {2, 5, 6, 10}}, {6, 16737380, {1, 5, 6, 10}},
    {7, 13158400, {2, 5, 6, 9}},
};

class HandOverTest : public GameTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(HandOverTest, PreviewsTheKindThenMakesItTheFallingPiece) {
  const KindCase& k = GetParam();
  const KindCase& following = kKindCases[k.kind % kKinds];
  load({k.kind, following.kind});
  EXPECT_EQ(previewed(), k.preview);
  for (int i : k.preview) EXPECT_EQ(preview.fillColor(i), k.color) << "preview cell " << i;

  const GameState before = s;
  s.posx = 7;  // as if the last piece had moved and turned
  s.rot = 2;
  logic.Nyfig();

  EXPECT_EQ(s.fig, k.kind);
  EXPECT_EQ(s.figcolor, k.color);
  EXPECT_EQ(s.posx, 4);
  EXPECT_EQ(s.posy, 26);
  EXPECT_EQ(s.rot, 1);
  for (int c = 0; c <= 5; ++c)
    for (int r = 0; r <= 4; ++r) {
      const bool inBox = c >= 1 && c <= 4 && r >= 1;
      EXPECT_EQ(s.figure(c, r), inBox ? before.nextfigure(c, r) : kClear) << c << "," << r;
    }
  int setCells = 0;
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      if (s.nextfigure(c, r) == kSet) {
        ++setCells;
        EXPECT_LE(r, 3);
      }
  EXPECT_EQ(setCells, 4);
  EXPECT_EQ(s.nextfig, following.kind);
  EXPECT_EQ(previewed(), following.preview);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, HandOverTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& p) { return "Kind" + std::to_string(p.param.kind); });

TEST_F(LoadTest, DrawSpreadsTheUnitIntervalOverTheSevenKinds) {
  struct Case {
    double u;
    int kind;
  };
  for (const Case& c : {Case{0.0, 1}, Case{0.99 / 7, 1}, Case{1.5 / 7, 2},
                        Case{6.5 / 7, 7}, Case{std::nextafter(1.0, 0.0), 7}}) {
    ScriptedRandom draws({c.u});
    GameLogic game(GameParts{field, preview, label, timer, dialogs, host, module, draws});
    game.Form_Load();
    EXPECT_EQ(game.state().nextfig, c.kind) << "u = " << c.u;
  }
}

TEST_F(LoadTest, FirstTickBringsInThePreviewedKindAtTheTop) {
  load({3, 6});
  logic.Timer1_Timer();

  EXPECT_EQ(label.text(), "0");
  EXPECT_EQ(s.points, 0);
  EXPECT_EQ(s.fig, 3);
  EXPECT_EQ(s.posy, 25);
  EXPECT_EQ(render(), picture({"....cc....", ".....c....", ".....c...."}, 25));
  EXPECT_EQ(previewed(), (std::set<int>{1, 5, 6, 10}));
  EXPECT_EQ(random.drawn, 2);
}

}  // namespace
}  // namespace klotix::testing
