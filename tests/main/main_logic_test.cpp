// The main window's logic with a fake window: load steps, record lists,
// level choice and the name prompt.
#include "main/main_logic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "fakes/fakes.h"
#include "records/test_files.h"
#include "records/record_file.h"
#include "records/text_encoding.h"

namespace klotix {
namespace {

using testing::FakeDialogs;
using testing::ScriptedRandom;

class FakeMainView : public MainView {
 public:
  void setCaption(const std::string& caption) override { events.push_back("caption " + caption); }
  void loadSkin(const std::string& fileName) override { events.push_back("load skin " + fileName); }
  void applySkin() override { events.push_back("apply skin"); }
  void addRecordRow(int levelIndex, std::int32_t points, const std::string& name) override {
    rows[levelIndex].push_back(std::to_string(points) + " " + name);
  }
  void selectRecordRow(int levelIndex, int row) override { selectedRows.emplace_back(levelIndex, row); }
  void selectLevelButton(int index) override { selected = index; }
  void openGameWindow() override { events.push_back("open game"); }
  void closeMainWindow() override { events.push_back("close main"); }
  void endProgram() override { events.push_back("end"); }

  std::vector<std::string> events;
  std::vector<std::string> rows[3];
  std::vector<std::pair<int, int>> selectedRows;  // level index, row
  int selected = -1;
};

class MainLogicTest : public ::testing::Test {
 protected:
  MainLogicTest() { module_.recordFiles.file = folder_ / "Klotix.dat"; }

  // Opens the window afresh, as at program start or after a game.
  void load() {
    view_ = FakeMainView{};
    logic_ = std::make_unique<MainLogic>(MainParts{view_, dialogs_, module_, random_, [] { return 3723.5f; }});
    logic_->Form_Load();
  }

  void writeFile(const std::string& bytes) { std::ofstream(module_.recordFiles.file, std::ios::binary) << bytes; }

  testing::TempFolder folder_;  // private to this test, so parallel runs never meet
  Klotix_Module module_;
  FakeMainView view_;
  FakeDialogs dialogs_;
  ScriptedRandom random_;
  std::unique_ptr<MainLogic> logic_;
};

TEST_F(MainLogicTest, LoadSetsCaptionSkinThenReseedsFromTheTimeOfDay) {
  load();
  EXPECT_EQ(view_.events, (std::vector<std::string>{"caption Klotix (klotix.example.org) v. 1.1.0",
                                                    "load skin winaqua.skn", "apply skin"}));
  EXPECT_EQ(random_.seeds, std::vector<float>{3723.5f});
}

TEST_F(MainLogicTest, WithoutAFileAllListsAreEmpty) {
  load();
  for (const auto& rows : view_.rows) EXPECT_TRUE(rows.empty());
}

TEST_F(MainLogicTest, ListsRankByPointsWithStableTiesAndNegativesLast) {
  writeFile(" 5 \r\n 0 \r\n 2 \r\n"
            "Neg\r\n-10 \r\nAnna\r\n 900 \r\nBob\r\n 0 \r\nCid\r\n 900 \r\nDee\r\n 1230 \r\n"
            "Eve\r\n 5 \r\nFay\r\n 5 \r\n");
  load();
  EXPECT_EQ(view_.rows[0], (std::vector<std::string>{"1230 Dee", "900 Anna", "900 Cid", "0 Bob", "-10 Neg"}));
  EXPECT_TRUE(view_.rows[1].empty());
  EXPECT_EQ(view_.rows[2], (std::vector<std::string>{"5 Eve", "5 Fay"}));
}

TEST_F(MainLogicTest, FirstOpeningPlaysAndShowsMedium) {
  load();
  EXPECT_EQ(module_.level, 2);
  EXPECT_EQ(view_.selected, 1);
}

TEST_F(MainLogicTest, OptionClickChangesOnlyTheLevel) {
  load();
  const auto rowsBefore = view_.rows[0];
  module_.speed = 125;
  logic_->Option_Level_Click(2);
  EXPECT_EQ(module_.level, 3);
  EXPECT_EQ(module_.speed, 125);
  EXPECT_EQ(view_.selected, 1);  // the button itself shows the click; the logic does not touch it
  EXPECT_EQ(view_.rows[0], rowsBefore);
}

TEST_F(MainLogicTest, BlankAndCancelledNamesAreAskedAgainAndTheNameIsTrimmed) {
  load();
  dialogs_.replies = {"", "   ", "\t", "  Anna Maria  "};
  logic_->Command_Start_Click();
  ASSERT_EQ(dialogs_.inputs.size(), 4u);
  for (const auto& input : dialogs_.inputs) {
    EXPECT_EQ(input.prompt, "Your name:");
    EXPECT_EQ(input.title, "Your name");
    EXPECT_EQ(input.defaultText, "");
  }
  EXPECT_EQ(module_.playername, "Anna Maria");
  EXPECT_EQ(view_.events.back(), "close main");
  EXPECT_EQ(view_.events[view_.events.size() - 2], "open game");
}

TEST_F(MainLogicTest, SpeedFollowsTheLevelAndTheLevelSurvivesTheNextOpening) {
  // Anna ranks second on Slow, first on Medium and third on Quick.
  writeFile(" 2 \r\n 1 \r\n 3 \r\nBob\r\n 900 \r\nAnna\r\n 5 \r\nAnna\r\n 10 \r\n"
            "Cid\r\n 1 \r\nDee\r\n 2 \r\nAnna\r\n 0 \r\n");
  // level index, speed, Anna's row
  const std::tuple<int, int, int> levels[] = {{0, 275, 1}, {1, 125, 0}, {2, 40, 2}};
  for (const auto& [index, speed, row] : levels) {
    load();
    logic_->Option_Level_Click(index);
    dialogs_.replies = {"Anna"};
    logic_->Command_Start_Click();
    EXPECT_EQ(module_.speed, speed);
    load();  // the game is over and the main window opens again
    EXPECT_EQ(view_.selected, index);
    EXPECT_EQ(module_.level, index + 1);
    // The player's row in the level just played, and no other.
    EXPECT_EQ(view_.selectedRows, (std::vector<std::pair<int, int>>{{index, row}}));
  }
}

TEST_F(MainLogicTest, TheLastNameIsOfferedForTheNextGame) {
  load();
  dialogs_.replies = {"Anna"};
  logic_->Command_Start_Click();
  load();
  dialogs_.replies = {"Bob"};
  logic_->Command_Start_Click();
  EXPECT_EQ(dialogs_.inputs.back().defaultText, "Anna");
  EXPECT_EQ(module_.playername, "Bob");
}

TEST_F(MainLogicTest, EachOpeningRereadsTheFile) {
  writeFile(" 1 \r\n 0 \r\n 0 \r\nAnna\r\n 900 \r\n");
  load();
  writeFile(" 0 \r\n 0 \r\n 0 \r\n");
  load();
  EXPECT_TRUE(view_.rows[0].empty());
  EXPECT_EQ(module_.reccount[1], 0);
}

TEST_F(MainLogicTest, EndEndsTheProgram) {
  load();
  logic_->Command_Exit_Click();
  EXPECT_EQ(view_.events.back(), "end");
}

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
  EXPECT_EQ(trimBlanks("  a b  "), "a b");
  EXPECT_EQ(trimBlanks("\t x\t"), "x");
  EXPECT_EQ(trimBlanks("   "), "");
  EXPECT_EQ(trimBlanks(""), "");
}

}  // namespace
}  // namespace klotix
