// Klotix: a falling-blocks game.
#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "app/command_line.h"
#include "app/display.h"
#include "app/running_mark.h"
#include "ui/app_identity.h"
#include "ui/accessible_factory.h"
#include "ui/box_icons.h"

int main(int argc, char* argv[]) {
  // For the whole run, the command line's answers too: while the program
  // runs, its files are in use, and an installer waits for it to end.
  const klotix::RunningMark running;
  QCoreApplication::setApplicationName(QString::fromLatin1(klotix::kAppName));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                              .arg(klotix::kVersionMajor)
                                              .arg(klotix::kVersionMinor)
                                              .arg(klotix::kVersionRevision));
  // The windows' class on X11 is the application name, and their id on
  // Wayland the desktop entry's name: the desktop entry names both, so a
  // dock shows its launcher's icon for the running game.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(klotix::kDesktopFileName));
  // Any argument asks for help or the version, or is a mistake; none of
  // them opens a window.
  if (argc > 1) return klotix::answerCommandLine(argc, argv);

  const auto application = klotix::openDisplay(argc, argv);
  // Before any window, so that a screen reader reads each whole.
  klotix::installAccessibleFactory();
  // Before any window, so that each shows its texts in the player's
  // language.
  klotix::App app;
  // The platform's look, with the boxes' icons sharp at any scale.
  QApplication::setStyle(new klotix::BoxIconStyle);
  // Every window of the run, main and game, shows the program's icon.
  QIcon icon;
  for (int size : {32, 64, 128}) icon.addFile(QStringLiteral(":/icons/klotix-%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  app.start();
  return QApplication::exec();
}
