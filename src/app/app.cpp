#include "app/app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/klotix_game.h"
#include "main/klotix_main.h"

namespace klotix {

namespace {
constexpr const char* kRecordFileName = "Klotix.dat";
}

RecordFiles recordFilesFor(const QString& programFolder, const QString& userFolder) {
  const std::filesystem::path inProgramFolder =
      std::filesystem::path(programFolder.toStdString()) / kRecordFileName;
  const QFileInfo program(programFolder);
  if (program.isDir() && program.isWritable()) return {inProgramFolder, {}};
  QDir().mkpath(userFolder);
  return {std::filesystem::path(userFolder.toStdString()) / kRecordFileName, inProgramFolder};
}

RecordFiles recordFilesFor() {
  return recordFilesFor(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

App::App() { module_.recordFiles = recordFilesFor(); }

void App::start() { openMainWindow(); }

void App::openMainWindow() {
  auto* window = new KlotixMain(
      module_, random_, dialogs_, [this] { openGameWindow(); }, [] { endProgram(); });
  window->show();
}

void App::openGameWindow() {
  auto* game = new KlotixGame(module_, random_, dialogs_, [this] { openMainWindow(); });
  game->show();
}

void App::endProgram() {
  // Ends the run at once: the event loop stops and no handler runs again.
  QCoreApplication::exit(0);
}

}  // namespace klotix
