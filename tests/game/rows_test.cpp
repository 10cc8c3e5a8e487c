// Scoring a locked piece and removing full rows.
#include "game_fixture.h"

namespace klotix::testing {
namespace {

struct RowsCase {
  const char* name;
  std::int32_t pointsBefore;
  int top;  // row of the first line of both pictures; 0 = they end on row 1
  std::vector<std::string> before, after;
  const char* shown;  // the points display afterwards
};

// Test listings name a case, not its bytes.
void PrintTo(const RowsCase& c, std::ostream* out) { *out << c.name; }

const RowsCase kRowsCases[] = {
    {"NoFullRow", 0, 0, {"1.........", "2222222.22"}, {"1.........", "2222222.22"}, "10"},
    {"BottomRow", 1070, 0,
     {"..3.......", ".45.......", "1234567123"},
     {"", "..3.......", ".45......."}, "1230"},
    {"RowsThreeAndFour", 0, 0,
     {"6.........", ".5........", "4444444444", "3333333333", "..2.......", "1........."},
     {"", "", "6.........", ".5........", "..2.......", "1........."}, "310"},
    {"RowsTwoAndFive", 0, 0,
     {"6.........", "5555555555", "...4......", "..3.......", "2222222222", "1........."},
     {"", "", "6.........", "...4......", "..3.......", "1........."}, "310"},
    {"FourRows", 20, 0,
     {"7.........", "1111111111", "2222222222", "3333333333", "4444444444"},
     {"", "", "", "", "7........."}, "630"},
    // Nothing lies above the top row, so a removal leaves it white and free.
    {"TopRow", 0, 25, {"1234567123", "5555......"}, {"", "5555......"}, "160"},
    {"BelowTheTopRow", 0, 25,
     {"33........", "1234567123", "...4......"},
     {"", "33........", "...4......"}, "160"},
};

class RowsTest : public GameTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(RowsTest, ScoresThePieceAndRemovesEveryFullRow) {
  const RowsCase& c = GetParam();
  lay(c.before, c.top);
  s.points = c.pointsBefore;
  logic.Ner();
  EXPECT_EQ(render(), picture(c.after, c.top));
  EXPECT_EQ(label.text(), c.shown);
  EXPECT_EQ(std::to_string(s.points), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Boards, RowsTest, ::testing::ValuesIn(kRowsCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(RowsTest, UprightBarCompletingFourRowsScores610) {
  lay({"5.........", "123456712.", "234567123.", "345671234.", "456712345."});
  place(2, 2, 9, 4);  // upright in column 10, rows 4..1
  logic.Timer1_Timer();
  EXPECT_EQ(s.points, 10 + 4 * 150);
  EXPECT_EQ(label.text(), "610");
  EXPECT_EQ(render(), picture({"5........."}));
}

}  // namespace
}  // namespace klotix::testing
