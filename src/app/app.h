// The program: where it is installed, its language, the shared settings
// and records of the run, and the switching between the main window and
// the game window.
#pragma once

#include <QString>

#include "app/install_layout.h"
#include "app/translations.h"
#include "records/klotix_module.h"
#include "records/random_source.h"
#include "ui/qt_dialogs.h"

namespace klotix {

class App {
 public:
  // Finds where the program is installed and gives the application the
  // catalogues of the player's language. Requires the application object;
  // before any window, so that each speaks the language.
  App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Opens the first window of the run.
  void start();

  void openMainWindow();
  void openGameWindow();
  static void endProgram();

 private:
  const InstallLayout layout_ = InstallLayout::ofRunningProgram();
  Translations translations_{layout_.dataFolders()};
  Klotix_Module module_;
  TimeSeededRandom random_;
  QtDialogs dialogs_;
};

// Where the records of a run are kept. An installed program keeps them in
// "Klotix.dat" in `userFolder` (the user's application data folder, made
// by the first save), whoever runs it. Any other copy keeps them beside
// itself, in its layout's program folder, when a new file can be made
// there (tried, not judged by its rights); otherwise in `userFolder` too,
// and until the first save there the records shown are those of a
// "Klotix.dat" in the program folder, which is never written.
RecordFiles recordFilesFor(const InstallLayout& layout, const QString& userFolder);

}  // namespace klotix
