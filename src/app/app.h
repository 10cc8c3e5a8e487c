// The program: the shared settings and records of the run, and the
// switching between the main window and the game window.
#pragma once

#include <filesystem>

#include "main/klotix_module.h"
#include "main/random_source.h"
#include "ui/qt_dialogs.h"

namespace klotix {

class App {
 public:
  App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Opens the first window of the run.
  void start();

  void openMainWindow();
  void openGameWindow();
  static void endProgram();

 private:
  Klotix_Module module_;
  TimeSeededRandom random_;
  QtDialogs dialogs_;
};

// Where the record file lives: beside the executable when that folder can
// be written, otherwise in the user's application data folder, so a
// read-only installation still keeps its records.
std::filesystem::path recordFilePath();

}  // namespace klotix
