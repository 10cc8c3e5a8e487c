// The program: the shared settings and records of the run, and the
// switching between the main window and the game window.
#pragma once

#include <QString>
#include <filesystem>

#include "records/klotix_module.h"
#include "records/random_source.h"
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

// Where the record file lives: in `programFolder` (the executable's) when
// that folder can be written, otherwise in `userFolder` (the user's
// application data folder, created when needed), so a read-only
// installation still keeps its records. Load and Save both use this path.
std::filesystem::path recordFilePath(const QString& programFolder, const QString& userFolder);

// The record file path of this run.
std::filesystem::path recordFilePath();

}  // namespace klotix
