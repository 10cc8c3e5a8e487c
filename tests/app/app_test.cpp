// Where the program keeps its records.
#include "app/app.h"

#include <QTemporaryDir>
#include <QtTest>

#include "support/qt_test_main.h"

namespace {
// A path as the tests write them, with forward slashes on every system.
QString slashed(const std::filesystem::path& path) { return QString::fromStdU16String(path.generic_u16string()); }
}  // namespace

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void writableProgramFolderKeepsTheRecordsBesideTheProgram() {
    QTemporaryDir program;
    QTemporaryDir user;
    const auto files = klotix::recordFilesFor(klotix::InstallLayout(program.path()), user.path() + "/klotix");
    QCOMPARE(slashed(files.file), program.path() + "/Klotix.dat");
    QVERIFY(files.readOnlyFallback.empty());
  }

  // An installed copy, its skin in ../share/klotix, keeps the records in
  // the user's folder alone, though its own folder takes new files and
  // holds a record file: nothing beside the program is written or shown.
  void installedProgramKeepsTheRecordsInTheUserFolderAlone() {
    QTemporaryDir prefix;
    QTemporaryDir user;
    QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/klotix"));
    for (const char* name : {"share/klotix/winaqua.skn", "bin/Klotix.dat"})
      QVERIFY(QFile(prefix.filePath(name)).open(QIODevice::WriteOnly));
    const auto files = klotix::recordFilesFor(klotix::InstallLayout(prefix.filePath("bin")), user.path());
    QCOMPARE(slashed(files.file), user.path() + "/Klotix.dat");
    QVERIFY(files.readOnlyFallback.empty());
  }

  void unwritableProgramFolderMovesTheRecordsToTheUserFolderAndReadsItsOwn() {
    QTemporaryDir user;
    const QString userFolder = user.path() + "/data/Klotix";
    // A folder that cannot be written to: not there at all, a plain file,
    // or a folder that takes no new file though root, or Windows, would
    // call it writable (Linux's sysfs; Wine shows it under Z:).
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
#ifdef Q_OS_WIN
    const QString refusesFiles = QStringLiteral("Z:/sys/kernel");
#else
    const QString refusesFiles = QStringLiteral("/sys/kernel");
#endif
    for (const QString& program : {QStringLiteral("/nonexistent/klotix/bin"), notAFolder.fileName(), refusesFiles}) {
      const auto files = klotix::recordFilesFor(klotix::InstallLayout(program), userFolder);
      QCOMPARE(slashed(files.file), userFolder + "/Klotix.dat");
      // Records kept beside the program are shown until the first save.
      QCOMPARE(slashed(files.readOnlyFallback), program + "/Klotix.dat");
    }
  }
};

KLOTIX_QTEST_MAIN(AppTest)
#include "app_test.moc"
