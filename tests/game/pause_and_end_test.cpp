// Pausing, quitting and the end of a game as far as the game sees them.
#include "game_fixture.h"
#include "records/record_file.h"
#include "records/test_files.h"
#include "support/stderr_capture.h"

namespace klotix::testing {
namespace {

using PauseAndEndTest = GameTest;

TEST_F(PauseAndEndTest, PauseStopsTheTimerWhileItsBoxIsOpen) {
  load({4, 5});
  logic.Timer1_Timer();
  logic.Timer1_Timer();
  const GameState before = s;
  int startsBefore = timer.starts;
  bool timerRanWhileOpen = true;
  dialogs.onBox = [&] { timerRanWhileOpen = timer.enabled(); };

  // The P key, with or without Ctrl, and the menu item all pause the same way.
  for (int way = 0; way < 3; ++way) {
    if (way == 0) logic.Form_KeyDown(kKeyP, 0);
    if (way == 1) logic.Form_KeyDown(kKeyP, 2);
    if (way == 2) logic.pause_menu_Click();
    SCOPED_TRACE("way " + std::to_string(way));
    ASSERT_EQ(dialogs.boxes.size(), static_cast<std::size_t>(way + 1));
    EXPECT_EQ(dialogs.boxes.back().text, "Pause...press a key to continue");
    EXPECT_EQ(dialogs.boxes.back().title, "Game Paused");
    EXPECT_EQ(dialogs.boxes.back().flags, 0x100040);
    EXPECT_FALSE(timerRanWhileOpen);
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.starts, ++startsBefore);
    EXPECT_EQ(timer.interval(), kSpeedMedium);
    EXPECT_EQ(s, before);
  }
}

TEST_F(PauseAndEndTest, DeclinedQuitGoesOnWhereThePlayerWas) {
  load({3, 5});
  logic.Timer1_Timer();
  const GameState before = s;
  const std::string shown = render();
  bool timerRanWhileOpen = true;
  dialogs.onBox = [&] { timerRanWhileOpen = timer.enabled(); };
  dialogs.answers = {id::kNo};
  logic.quit_menu_Click();

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Do you want to stop playing?");
  EXPECT_EQ(dialogs.boxes[0].title, "");
  EXPECT_EQ(dialogs.boxes[0].flags, 36);
  EXPECT_FALSE(timerRanWhileOpen);
  EXPECT_TRUE(timer.enabled());
  EXPECT_EQ(s, before);
  EXPECT_EQ(render(), shown);
  EXPECT_TRUE(host.events.empty());
  EXPECT_FALSE(std::filesystem::exists(module.recordFiles.file));
}

TEST_F(PauseAndEndTest, ConfirmedQuitBeforeTheFirstTickRecordsANewPlayer) {
  module.level = 3;
  // Another player: names are case-sensitive.
  writeBytes(module.recordFiles.file, " 0 \r\n 0 \r\n 1 \r\ntester\r\n 5000 \r\n");
  load({6});
  dialogs.answers = {id::kYes};
  logic.quit_menu_Click();

  EXPECT_FALSE(timer.enabled());
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].text, "Game Over");
  EXPECT_EQ(dialogs.boxes[1].title, "Game Over!");
  EXPECT_EQ(dialogs.boxes[1].flags, 0x100040);
  EXPECT_EQ(dialogs.boxes[1].description, "Tester: -10 points on Quick");
  EXPECT_EQ(host.events, (std::vector<std::string>{"beep", "hold " + std::to_string(kGameOverHoldMs),
                                                   "open main", "close game"}));
  ASSERT_EQ(module.tables().reccount[3], 2);
  EXPECT_EQ(module.tables().records[3][2], (Record{"Tester", -10}));

  RecordTables saved;
  EXPECT_TRUE(Load(module.recordFiles.file, saved).found);
  EXPECT_TRUE(saved.sameEntries(module.tables()));
}

TEST_F(PauseAndEndTest, ResultThatChangesNoRecordLeavesTheFileAlone) {
  const std::string before = " 0 \r\n 1 \r\n 0 \r\nTester\r\n 500 \r\n";
  writeBytes(module.recordFiles.file, before);
  load({6});
  logic.Timer1_Timer();  // 0 points, below the stored 500
  dialogs.answers = {id::kYes};
  logic.quit_menu_Click();

  EXPECT_EQ(module.tables().records[2][1], (Record{"Tester", 500}));
  EXPECT_EQ(readBytes(module.recordFiles.file), before);
  EXPECT_EQ(dialogs.boxes.back().title, "Game Over!");
  EXPECT_EQ(dialogs.boxes.back().description, "Tester: 0 points on Medium");  // this game's, not the best
  EXPECT_EQ(host.events.back(), "close game");
}

TEST_F(PauseAndEndTest, AResultThatCannotBeSavedIsReportedBeforeGameOver) {
  const std::filesystem::path& file = module.recordFiles.file;
  std::filesystem::create_directory(file);  // a folder where the file should be
  load({6});
  dialogs.answers = {id::kYes};
  {
    StderrCapture quiet;
    logic.quit_menu_Click();
  }
  std::filesystem::remove_all(file);

  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[1].title, "Klotix");
  EXPECT_EQ(dialogs.boxes[1].flags, 0x30);
  EXPECT_EQ(dialogs.boxes[1].text, "Your result could not be saved.\n\nFile: " + pathText(file) +
                                       "\nReason: " + std::make_error_code(std::errc::is_a_directory).message());
  EXPECT_EQ(dialogs.boxes[2].title, "Game Over!");
  EXPECT_EQ(host.events.back(), "close game");
}

}  // namespace
}  // namespace klotix::testing
