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
    const auto files = klotix::recordFilesFor(program.path(), user.path() + "/klotix");
    QCOMPARE(QString::fromStdString(files.file.string()), program.path() + "/Klotix.dat");
    QVERIFY(files.readOnlyFallback.empty());
  }

  void unwritableProgramFolderMovesTheRecordsToTheUserFolderAndReadsItsOwn() {
    QTemporaryDir user;
    const QString userFolder = user.path() + "/data/Klotix";
    // A folder that cannot be written to: not there at all, or a plain file.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    for (const QString& program : {QStringLiteral("/nonexistent/klotix/bin"), notAFolder.fileName()}) {
      const auto files = klotix::recordFilesFor(program, userFolder);
      QCOMPARE(QString::fromStdString(files.file.string()), userFolder + "/Klotix.dat");
      // Records kept beside the program are shown until the first save.
      QCOMPARE(QString::fromStdString(files.readOnlyFallback.string()), program + "/Klotix.dat");
    }
  }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
