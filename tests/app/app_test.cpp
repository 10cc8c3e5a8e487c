// Where the program keeps its records.
#include "app/app.h"

#include <QTemporaryDir>
#include <QtTest>

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void writableProgramFolderKeepsTheRecordsBesideTheProgram() {
    QTemporaryDir program;
    QTemporaryDir user;
    const auto path = klotix::recordFilePath(program.path(), user.path() + "/klotix");
    QCOMPARE(QString::fromStdString(path.string()), program.path() + "/Klotix.dat");
  }

  void unwritableProgramFolderMovesTheRecordsToTheUserFolder() {
    QTemporaryDir user;
    const QString userFolder = user.path() + "/data/Klotix";
    // A folder that cannot be written to: not there at all, or a plain file.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    for (const QString& program : {QStringLiteral("/nonexistent/klotix/bin"), notAFolder.fileName()}) {
      const auto path = klotix::recordFilePath(program, userFolder);
      QCOMPARE(QString::fromStdString(path.string()), userFolder + "/Klotix.dat");
      QVERIFY(QFileInfo(userFolder).isDir());
    }
  }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
