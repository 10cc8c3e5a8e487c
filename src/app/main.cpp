// Klotix: a falling-blocks game.
#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "ui/app_identity.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(klotix::kAppName));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(klotix::kVersionMajor)
                                          .arg(klotix::kVersionMinor)
                                          .arg(klotix::kVersionRevision));
  // Every window of the run, main and game, shows the program's icon.
  QIcon icon;
  for (int size : {32, 64, 128}) icon.addFile(QStringLiteral(":/icons/klotix-%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  klotix::App app;
  app.start();
  return QApplication::exec();
}
