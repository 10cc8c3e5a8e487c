// Klotix: a falling-blocks game.
#include <QApplication>

#include "app/app.h"
#include "ui/app_identity.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(klotix::kAppName));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(klotix::kVersionMajor)
                                          .arg(klotix::kVersionMinor)
                                          .arg(klotix::kVersionRevision));

  klotix::App app;
  app.start();
  return QApplication::exec();
}
