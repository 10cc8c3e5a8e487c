// The program: the shared settings and records of the run, and the
// switching between the main window and the game window.
#pragma once

#include <QString>

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

// Where the records of a run are kept: "Klotix.dat" in `programFolder`
// (the executable's) when that folder can be written. Otherwise the file
// lives in `userFolder` (the user's application data folder, created when
// needed), so a read-only installation still keeps its records; until the
// first save there, the records shown are those of a "Klotix.dat" in the
// program folder, which is never written.
RecordFiles recordFilesFor(const QString& programFolder, const QString& userFolder);

// The record files of this run.
RecordFiles recordFilesFor();

}  // namespace klotix
