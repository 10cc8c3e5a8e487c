// The main window's logic: its load steps, the level choice, starting a
// game with the player's name, and ending the program. The Qt main window
// owns one and routes its events to these handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/klotix_module.h"
#include "main/main_view.h"
#include "records/random_source.h"
#include "records/shown_text.h"
#include "ui/dialogs.h"

namespace klotix {

inline constexpr const char* kSkinFile = "winaqua.skn";
inline constexpr const char* kNamePrompt = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Your name:");
inline constexpr const char* kNameTitle = KLOTIX_TRANSLATE_NOOP("klotix::Dialogs", "Your name");

// The controls and services the main window works through. All references
// must outlive the MainLogic.
struct MainParts {
  MainView& view;
  Dialogs& dialogs;
  Klotix_Module& module;
  RandomSource& random;                 // reseeded at every load
  std::function<float()> timeOfDay;     // seconds since midnight
};

class MainLogic {
 public:
  explicit MainLogic(MainParts parts);
  MainLogic(const MainLogic&) = delete;
  MainLogic& operator=(const MainLogic&) = delete;

  // Event handlers
  void Form_Load();
  void Option_Level_Click(int Index);  // Index 0..2
  void Command_Start_Click();
  void Command_Exit_Click();

  // "Klotix (web address) v. major.minor.revision"
  static std::string caption();

 private:
  void fillRecordLists();

  MainParts parts_;
};

}  // namespace klotix
