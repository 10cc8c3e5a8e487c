#include "app/app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "game/klotix_game.h"
#include "main/klotix_main.h"
#include "ui/design_font.h"

namespace klotix {

namespace {
constexpr const char* kRecordFileName = "Klotix.dat";

std::filesystem::path recordFileIn(const QString& folder) {
  // From UTF-16, so that a folder named outside the system's code page
  // stays whole on Windows too.
  return std::filesystem::path(folder.toStdU16String()) / kRecordFileName;
}

// Whether a new file can be made in `folder`, found out by making one and
// removing it again. Rights alone do not tell: Windows reports folders
// under Program Files as writable to anyone, and a read-only medium or a
// system folder refuses files that its rights allow.
bool takesNewFile(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("Klotix.XXXXXX.tmp")));
  return probe.open();
}
}  // namespace

RecordFiles recordFilesFor(const InstallLayout& layout, const QString& userFolder) {
  // An installed program is shared by all its players, and what it leaves
  // beside itself outlives its removal: even root, who could write there,
  // keeps their records in their own folder.
  const QString& programFolder = layout.programFolder();
  const bool installed = layout.installed();
  if (!installed && takesNewFile(programFolder)) return {recordFileIn(programFolder), {}};
  // The folder is made by the first save, which reports it when it cannot.
  return {recordFileIn(userFolder), installed ? std::filesystem::path() : recordFileIn(programFolder)};
}

App::App() {
  useDesignFontFor(translations_.load(preferredLanguages()));
  translations_.install();
  module_.recordFiles = recordFilesFor(layout_, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void App::start() { openMainWindow(); }

void App::openMainWindow() {
  auto* window = new KlotixMain(
      module_, random_, dialogs_, layout_.dataFolders(), [this] { openGameWindow(); }, [] { endProgram(); });
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
