// The main window: its controls, the record lists from the file, and
// starting a game, on Qt's offscreen platform with fake dialogs.
#include "main/klotix_main.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "fakes/fakes.h"
#include "support/qt_test_main.h"
#include "ui/design_font.h"

using namespace klotix;
using klotix::testing::FakeDialogs;
using klotix::testing::ScriptedRandom;

namespace {
QStringList items(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}
}  // namespace

class KlotixMainTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  Klotix_Module module_;
  ScriptedRandom random_;
  FakeDialogs dialogs_;
  int gamesOpened_ = 0;
  int ends_ = 0;

  // Without the skin, unless given the folder it is in.
  std::unique_ptr<KlotixMain> openMain(const QString& dataFolder = QCoreApplication::applicationDirPath()) {
    auto window = std::make_unique<KlotixMain>(
        module_, random_, dialogs_, QStringList{dataFolder}, [this] { ++gamesOpened_; }, [this] { ++ends_; });
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return window;
  }

 private slots:
  void init() {
    module_.recordFiles.file = QDir(folder_.path()).filePath("Klotix.dat").toStdString();
    std::filesystem::remove(module_.recordFiles.file);
    module_.level = 0;
    module_.playername.clear();
    gamesOpened_ = ends_ = 0;
    dialogs_ = FakeDialogs{};
  }

  void controlsAreAsDesigned() {
    auto window = openMain(QStringLiteral(KLOTIX_SKIN_FOLDER));
    QVERIFY(window->skin().loaded());
    QCOMPARE(window->windowTitle(), QStringLiteral("Klotix (klotix.example.org) v. 1.1.0"));
    QCOMPARE(window->Command_Start()->text(), QStringLiteral("&Start new game"));
    QCOMPARE(window->Command_Exit()->text(), QStringLiteral("End"));
    QCOMPARE(window->Record()->title(), QStringLiteral("Record"));
    for (int i = 0; i < 3; ++i) QCOMPARE(window->Option_Level(i)->text(), QStringLiteral("Level %1").arg(i + 1));
    QCOMPARE(window->Command_Start()->geometry(), QRect(292, 8, 181, 101));
    QCOMPARE(window->List2(2)->geometry(), QRect(372, 36, 81, 173));
    QCOMPARE(window->size(), QSize(483, 337));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    // Every text but the two buttons' in the window's font, those with a
    // look of their own (headings, lists) too.
    QWidget* texts[] = {window->Record(), window->Label2(0), window->List1(0), window->List2(2), window->Option_Level(1)};
    for (const QWidget* widget : texts) QCOMPARE(widget->font(), designFont(8.25));
    // Focus order: the six lists, then Start, End and the level buttons.
    QWidget* expected[] = {window->List2(0),        window->List1(1),        window->List2(1),
                           window->List1(2),        window->List2(2),        window->Command_Start(),
                           window->Command_Exit(),  window->Option_Level(0), window->Option_Level(1),
                           window->Option_Level(2)};
    QWidget* at = window->List1(0);
    for (QWidget* next : expected) {
      do at = at->nextInFocusChain();
      while (at->focusPolicy() == Qt::NoFocus);
      QCOMPARE(at, next);
    }
  }

  // At opening the first list has the focus, marked though it is empty;
  // Tab follows the tab indices and stops at the selected level only; every
  // arrow key moves the level round its buttons; Return presses a focused
  // push button, and Alt+S starts a game from anywhere.
  void keyboardAtOpeningFollowsTheTabIndices() {
    auto window = openMain();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), window->List1(0));
    const auto marked = [](QListWidget* list) {
      const QImage image = list->viewport()->grab().toImage();
      const QColor base = image.pixelColor(image.width() / 2, image.height() - 2);
      for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < 20; ++y)
          if (image.pixelColor(x, y) != base) return true;
      return false;
    };
    QVERIFY(marked(window->List1(0)));
    QVERIFY(!marked(window->List1(1)));

    QWidget* tabs[] = {window->List2(0), window->List1(1), window->List2(1), window->List1(2),
                       window->List2(2), window->Command_Start(), window->Command_Exit(),
                       window->Option_Level(1), window->List1(0)};
    for (QWidget* next : tabs) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    window->Option_Level(1)->setFocus();
    const std::pair<Qt::Key, int> arrows[] = {
        {Qt::Key_Down, 2}, {Qt::Key_Right, 0}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}, {Qt::Key_Left, 0}};
    for (const auto& [key, index] : arrows) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QVERIFY(window->Option_Level(index)->hasFocus() && window->Option_Level(index)->isChecked());
      QCOMPARE(module_.level, index + 1);
    }

    QTest::keyClick(window->Command_Exit(), Qt::Key_Return);
    QCOMPARE(ends_, 1);
    window->List1(0)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(gamesOpened_, 1);
  }

  void listsShowTheFileRankedByPoints() {
    std::ofstream(module_.recordFiles.file, std::ios::binary)
        << " 3 \r\n 0 \r\n 1 \r\nBob\r\n 0 \r\nAnna\r\n 900 \r\nNeg\r\n-10 \r\nCarl\r\n 5 \r\n";
    auto window = openMain();
    QCOMPARE(items(window->List1(0)), (QStringList{"900", "0", "-10"}));
    QCOMPARE(items(window->List2(0)), (QStringList{"Anna", "Bob", "Neg"}));
    QVERIFY(items(window->List1(1)).isEmpty());
    QCOMPARE(items(window->List2(2)), (QStringList{"Carl"}));

    // A level's two lists move their rows together, but a screen reader
    // asking each for its focused row (UI Automation does) hears of one.
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()) && window->List1(0)->hasFocus());
    window->List2(0)->setCurrentRow(1);
    const auto focused = [](QListWidget* list) { return QAccessible::queryAccessibleInterface(list)->focusChild(); };
    QVERIFY(focused(window->List2(0)) == nullptr);
    QCOMPARE(focused(window->List1(0))->text(QAccessible::Name), QStringLiteral("Bob, 0 points"));
  }

  void pointsAndNamesScrollAndSelectTogether() {
    // More rows than fit, the widest numbers, a name too long for its list
    // (row 4) and a name that needs a taller line.
    std::string bytes = " 15 \r\n 0 \r\n 0 \r\nMax\r\n 2147483647 \r\n日本語\r\n 5 \r\nPlayer 3\r\n 1234567 \r\n"
                        "Player 4\r\n 12345678 \r\nAnna Maria Longname\r\n 0 \r\n";
    for (int n = 6; n <= 14; ++n) bytes += "Player " + std::to_string(n) + "\r\n 0 \r\n";
    std::ofstream(module_.recordFiles.file, std::ios::binary) << bytes << "Min\r\n-2147483648 \r\n";
    auto window = openMain();
    QListWidget* points = window->List1(0);
    QListWidget* names = window->List2(0);
    QVERIFY(names->verticalScrollBar()->isVisible());
    for (const QScrollBar* bar : {points->verticalScrollBar(), points->horizontalScrollBar(), names->horizontalScrollBar()})
      QVERIFY(!bar->isVisible());
    for (int row = 0; row < points->count(); ++row) {
      const QListWidgetItem* item = points->item(row);
      // A value that fits, such as "0", keeps the list's font.
      const bool ownFont = item->data(Qt::FontRole).isValid();
      QVERIFY(!ownFont || item->text().size() > 1);
      // The style keeps a few pixels of margin on either side of the text.
      QVERIFY2(QFontMetricsF(ownFont ? item->font() : points->font()).horizontalAdvance(item->text()) <=
                   points->viewport()->width() - 6,
               qPrintable(item->text()));
    }
    // The long name's row shows whole as its tooltip; a row that fits has none.
    const QString wholeRow = QStringLiteral("0  Anna Maria Longname");
    for (const QListWidget* list : {points, names}) {
      QCOMPARE(list->item(4)->toolTip(), wholeRow);
      QVERIFY(list->item(13)->toolTip().isEmpty());
    }
    const auto inStep = [&] {
      for (int row = 0; row < points->count(); ++row) {
        if (points->visualItemRect(points->item(row)).top() != names->visualItemRect(names->item(row)).top())
          return false;
      }
      return points->currentRow() == names->currentRow();
    };
    names->verticalScrollBar()->setValue(names->verticalScrollBar()->maximum());
    QVERIFY(names->verticalScrollBar()->value() > 0);
    QVERIFY(inStep());
    QWheelEvent up(QPointF(10, 10), points->viewport()->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, 120),
                   Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(points->viewport(), &up);
    QVERIFY(names->verticalScrollBar()->value() < names->verticalScrollBar()->maximum());
    QVERIFY(inStep());
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(names->item(2)).center());
    QCOMPARE(points->currentRow(), 2);
    QTest::keyClick(points, Qt::Key_End);
    QCOMPARE(names->currentRow(), 14);
    QVERIFY(inStep());
  }

  void firstOpeningSelectsLevel2() {
    auto window = openMain();
    QVERIFY(window->Option_Level(1)->isChecked());
    QCOMPARE(module_.level, 2);
  }

  void optionClickSetsTheLevel() {
    auto window = openMain();
    QTest::mouseClick(window->Option_Level(2), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(module_.level, 3);
    QVERIFY(window->Option_Level(2)->isChecked());
  }

  void startAsksTheNameOpensTheGameAndCloses() {
    auto window = openMain();
    QTest::mouseClick(window->Option_Level(2), Qt::LeftButton, {}, QPoint(6, 8));
    dialogs_.replies = {"", " Zed "};
    QTest::mouseClick(window->Command_Start(), Qt::LeftButton);
    QCOMPARE(dialogs_.inputs.size(), std::size_t{2});
    QCOMPARE(module_.playername, std::string("Zed"));
    QCOMPARE(module_.speed, 40);
    QCOMPARE(gamesOpened_, 1);
    QVERIFY(!window->isVisible());

    auto reopened = openMain();
    QVERIFY(reopened->Option_Level(2)->isChecked());
  }

  void endEndsTheProgram() {
    auto window = openMain();
    QTest::mouseClick(window->Command_Exit(), Qt::LeftButton);
    QCOMPARE(ends_, 1);
  }

  void windowKeepsItsPlainLookWithoutTheSkinFile() {
    // The test binary's folder has no skin file.
    auto window = openMain();
    QVERIFY(!window->skin().loaded());
    QVERIFY(window->styleSheet().isEmpty());
  }
};

KLOTIX_QTEST_MAIN(KlotixMainTest)
#include "klotix_main_test.moc"
