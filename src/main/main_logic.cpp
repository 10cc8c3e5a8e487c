#include "main/main_logic.h"

#include <iostream>

#include "records/record_ranking.h"
#include "records/text_encoding.h"
#include "ui/app_identity.h"

namespace klotix {

MainLogic::MainLogic(MainParts parts) : parts_(std::move(parts)) {}

std::string MainLogic::caption() {
  return std::string(kAppName) + " (" + kWebAddress + ") v. " + std::to_string(kVersionMajor) + "." +
         std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

void MainLogic::Form_Load() {
  Klotix_Module& module = parts_.module;
  parts_.view.setCaption(caption());
  parts_.view.loadSkin(kSkinFile);
  parts_.view.applySkin();

  // A damaged file is not the player's problem: show what could be read.
  // The next save keeps a copy of the damaged file.
  const LoadResult loaded = loadRecords(module.recordFiles, module.tables());
  if (!loaded.clean) std::cerr << "klotix: " << loaded.problem << '\n';

  fillRecordLists();

  // The first opening of a run starts on Medium, and shows it.
  if (module.level < 1 || module.level > kLevels) module.level = 2;
  parts_.view.selectLevelButton(module.level - 1);

  parts_.random.reseed(parts_.timeOfDay());
}

void MainLogic::fillRecordLists() {
  const Klotix_Module& module = parts_.module;
  for (int level = 1; level <= kLevels; ++level) {
    int row = 0;
    int playersRow = -1;
    for (int n : rankedEntries(module.tables(), level)) {
      const Record& entry = module.records[level][n];
      parts_.view.addRecordRow(level - 1, entry.points, entry.name);
      if (level == module.level && !module.playername.empty() && entry.name == module.playername) playersRow = row;
      ++row;
    }
    // After a game the player sees their place in the level just played at
    // once. Before the first game of a run there is no player name yet.
    if (playersRow >= 0) parts_.view.selectRecordRow(level - 1, playersRow);
  }
}

void MainLogic::Option_Level_Click(int Index) { parts_.module.level = static_cast<std::int16_t>(Index + 1); }

void MainLogic::Command_Start_Click() {
  Klotix_Module& module = parts_.module;
  // Blank names and Cancel are not accepted; the box comes back.
  std::string answer;
  while (answer.empty()) {
    const std::string reply = parts_.dialogs.inputBox(kNamePrompt, kNameTitle, module.playername, kMaxNameLength);
    answer = std::string(trimBlanks(reply));
  }
  module.playername = answer;
  module.speed = speedOfLevel(module.level);
  parts_.view.openGameWindow();
  parts_.view.closeMainWindow();
}

void MainLogic::Command_Exit_Click() { parts_.view.endProgram(); }

}  // namespace klotix
