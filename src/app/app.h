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

// Where the records of a run are kept. An installed program (its skin in
// ../share/klotix from `programFolder`, the executable's folder) keeps
// them in "Klotix.dat" in `userFolder` (the user's application data
// folder, made by the first save), whoever runs it. A copy with its skin
// beside it, or none, keeps them beside itself when a new file can be made
// in `programFolder` (tried, not judged by its rights); otherwise in
// `userFolder` too, and until the first save there
// the records shown are those of a "Klotix.dat" in the program folder,
// which is never written.
RecordFiles recordFilesFor(const QString& programFolder, const QString& userFolder);

// The record files of this run.
RecordFiles recordFilesFor();

}  // namespace klotix
