// The game window: layout, menu, keyboard routing and the pause, on Qt's
// offscreen platform with fake dialogs.
#include "game/klotix_game.h"

#include <QAction>
#include <QMenuBar>
#include <QPaintEvent>
#include <QtTest>

#include "fakes/fakes.h"
#include "fakes/paint_spy.h"
#include "support/qt_test_main.h"
#include "ui/twips.h"

using namespace klotix;
using klotix::testing::FakeDialogs;
using klotix::testing::ScriptedRandom;

using klotix::testing::PaintSpy;

class KlotixGameTest : public QObject {
  Q_OBJECT

 private:
  Klotix_Module module_;
  ScriptedRandom random_;
  FakeDialogs dialogs_;
  int mainWindowsOpened_ = 0;

  // A game window that is shown and active, so its shortcuts work.
  std::unique_ptr<KlotixGame> openGame() {
    auto game = std::make_unique<KlotixGame>(module_, random_, dialogs_, [this] { ++mainWindowsOpened_; });
    game->setAttribute(Qt::WA_DeleteOnClose, false);
    game->show();
    QApplication::setActiveWindow(game.get());
    if (!QTest::qWaitForWindowActive(game.get())) qWarning("game window not active");
    return game;
  }

 private slots:
  void init() {
    module_.speed = 125;
    dialogs_ = FakeDialogs{};
    random_ = ScriptedRandom{{ScriptedRandom::forKind(2), ScriptedRandom::forKind(3)}};
  }

  void playfieldCellsSitAtTheirTwipPlaces() {
    auto game = openGame();
    QWidget* canvas = game->centralWidget();
    const auto place = [&](int i) {
      return game->Shape1().mapTo(canvas, game->Shape1().cellRect(i).topLeft());
    };
    QCOMPARE(place(0), QPoint(1680 / 15, 5880 / 15));
    QCOMPARE(place(249), QPoint(3840 / 15, 120 / 15));
    QCOMPARE(game->Shape1().cellRect(0).size(), QSize(17, 17));
    QCOMPARE(game->Shape3().mapTo(canvas, game->Shape3().cellRect(11).topLeft()), QPoint(24 + 48, 32 + 32));
    QCOMPARE(canvas->size(), QSize(280, 413));
    // The lines around the playfield meet at both bottom corners.
    const QImage frame = game->centralWidget()->grab().toImage();
    for (const QPoint pixel : {QPoint(110, 410), QPoint(274, 409), QPoint(274, 410), QPoint(273, 408)})
      QCOMPARE(frame.pixelColor(pixel), QColor(Qt::black));
    QCOMPARE(game->Shape1().count(), 250);
    QCOMPARE(game->Shape3().count(), 12);
    // At every scale, also from between two device pixels, the lines are
    // crisp: as wide as two pixels in whole device pixels, with nothing
    // half black beside them (at 125% they were once smeared over 3).
    const QColor background = canvas->palette().color(QPalette::Window);
    const QList<QColor> allowed{background, QColor(224, 224, 224), Qt::white};
    for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
      QImage image((QSizeF(canvas->size() + QSize(1, 1)) * scale).toSize(), QImage::Format_RGB32);
      image.setDevicePixelRatio(scale);
      image.fill(background);
      canvas->render(&image, QPoint(1, 1));
      // The black runs across and down the playfield, or -1 for a colour
      // that belongs to none of its parts.
      const auto blackRuns = [&](QPoint at, QPoint step) {
        QList<int> runs;
        for (bool black = false; image.rect().contains(at); at += step) {
          const QColor colour = image.pixelColor(at);
          if (colour != Qt::black && !allowed.contains(colour)) return QList<int>{-1};
          if (colour == Qt::black && !black) runs << 0;
          if ((black = colour == Qt::black)) ++runs.back();
        }
        return runs;
      };
      const int width = qRound(2 * scale);
      QCOMPARE(blackRuns({0, qRound(200 * scale)}, {1, 0}), QList<int>({width, width}));
      QCOMPARE(blackRuns({qRound(121 * scale), 0}, {0, 1}), QList<int>{width});
    }
  }

  void loadShowsAnEmptyPlayfieldAndTheNextPiece() {
    auto game = openGame();
    QCOMPARE(game->windowTitle(), QStringLiteral("Klotix (klotix.example.org)"));
    QCOMPARE(game->Label3().QLabel::text(), QStringLiteral("Points"));
    for (int i = 0; i < 250; ++i) QCOMPARE(game->Shape1().fillColor(i), EMPTY_COLOR);
    for (int i : {4, 5, 6, 7}) QCOMPARE(game->Shape3().fillColor(i), rgb(0, 180, 0));
    QVERIFY(game->Timer1().enabled());
    QCOMPARE(game->Timer1().interval(), 125);
  }

  // The points show whole: in the design font while they fit,
  // else narrower and, at the narrowest, in the largest size that fits.
  void pointsShowWholeFromTheCaptionToTheHighestScore() {
    auto game = openGame();
    LabelWidget& label = game->Label3();
    const QSize room = label.contentsRect().size();
    const auto whole = [&](const QFont& font) {
      const QFontMetrics metrics(font);
      return metrics.horizontalAdvance(label.QLabel::text()) <= room.width() && metrics.height() <= room.height();
    };
    for (const char* points : {"-10", "17160", "999999", "2147483647"}) {
      label.setText(points);
      QVERIFY2(whole(label.font()), points);
    }
    QFont larger = label.font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() + 1);
    QVERIFY(!whole(larger));
    label.setText("0");
    QCOMPARE(label.font(), label.designFont());
  }

  void menuHoldsPauseHideQuitWithShortcuts() {
    auto game = openGame();
    const QList<QAction*> menus = game->menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Options"));
    const QList<QAction*> items = menus[0]->menu()->actions();
    QCOMPARE(items.size(), 3);
    const std::pair<QString, QKeySequence> expected[] = {
        {"&Pause", QKeySequence("Ctrl+P")}, {"&Hide", QKeySequence("Ctrl+H")}, {"&Quit game", QKeySequence("Ctrl+Q")}};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(items[i]->text(), expected[i].first);
      QCOMPARE(items[i]->shortcut(), expected[i].second);
      QVERIFY(items[i]->isEnabled());
    }
  }

  void eachPauseRouteOpensExactlyOneBox() {
    auto game = openGame();
    const auto pauseBoxes = [&] { return dialogs_.boxes.size(); };
    QTest::keyClick(game.get(), Qt::Key_P);
    QCOMPARE(pauseBoxes(), std::size_t{1});
    QTest::keyClick(game.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(pauseBoxes(), std::size_t{2});
    game->pauseMenu()->trigger();
    QCOMPARE(pauseBoxes(), std::size_t{3});
    for (const auto& box : dialogs_.boxes) {
      QCOMPARE(box.text, std::string("Pause...press a key to continue"));
      QCOMPARE(box.title, std::string("Game Paused"));
      QCOMPARE(box.flags, 0x100040);
    }
  }

  // On a Russian layout the key that bears P on a US layout gives the
  // Cyrillic letter Ze, and Q's place Short I. X11 reports the places as
  // keycodes 33 and 24; Windows keeps the Latin virtual keys VK_P and VK_Q.
  // Alone Ze pauses; with Ctrl it acts as the menu shortcut, once.
  void physicalKeysOfACyrillicLayoutPauseAndQuit() {
    auto game = openGame();
#ifdef Q_OS_WIN
    const auto native = [](char latin) { return std::pair<quint32, quint32>{0, latin}; };
#else
    const auto native = [](char latin) { return std::pair<quint32, quint32>{latin == 'P' ? 33 : 24, 0}; };
#endif
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers, char latin, const QString& text) {
      QKeyEvent event(QEvent::KeyPress, key, modifiers, native(latin).first, native(latin).second, 0, text);
      QApplication::sendEvent(game.get(), &event);
    };
    press(0x417, Qt::NoModifier, 'P', QStringLiteral("з"));
    press(0x417, Qt::ControlModifier, 'P', QString());
    QCOMPARE(dialogs_.boxes.size(), std::size_t{2});
    QCOMPARE(dialogs_.boxes.back().title, std::string("Game Paused"));
    press(0x419, Qt::ControlModifier, 'Q', QString());
    QCOMPARE(dialogs_.boxes.size(), std::size_t{3});
    QCOMPARE(dialogs_.boxes.back().flags, 36);  // the quit question
  }

  void hideDoesNothing() {
    auto game = openGame();
    const GameState before = game->logic().state();
    QTest::keyClick(game.get(), Qt::Key_H, Qt::ControlModifier);
    game->hideMenu()->trigger();
    QVERIFY(game->isVisible());
    QVERIFY(dialogs_.boxes.empty());
    QVERIFY(game->logic().state() == before);
  }

  void pausedGameStandsStillAndResumesAfterAFullInterval() {
    module_.speed = 40;
    auto game = openGame();
    QTRY_VERIFY(game->logic().state().fig != 0);  // the first piece is in
    GameState during;
    dialogs_.onBox = [&] {
      QVERIFY(!game->Timer1().enabled());
      QTest::qWait(150);  // several intervals pass while the box is open
      during = game->logic().state();
    };
    const GameState before = game->logic().state();
    QTest::keyClick(game.get(), Qt::Key_P);
    QVERIFY(during == before);
    QVERIFY(game->Timer1().enabled());
    QVERIFY(game->Timer1().remainingMs() >= 35);
  }

  void arrowKeysReachTheGame() {
    auto game = openGame();
    QTRY_VERIFY(game->logic().state().fig != 0);
    game->Timer1().setEnabled(false);
    const int posx = game->logic().state().posx;
    QTest::keyClick(game.get(), Qt::Key_Left);
    QCOMPARE(game->logic().state().posx, posx - 1);
    QTest::keyClick(game.get(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(game->logic().state().posx, posx);
    QVERIFY(game->focusWidget() == nullptr || game->focusWidget() == game.get());
  }

  void sizeIsFixedAndMinimisingIsHarmless() {
    auto game = openGame();
    const QSize fixed = game->size();
    QCOMPARE(game->minimumSize(), game->maximumSize());
    game->resize(fixed + QSize(50, 50));
    QCOMPARE(game->size(), fixed);
    game->showMinimized();
    game->showNormal();
    QCOMPARE(game->size(), fixed);
  }

  // Painting economy: a fall tick and a shift schedule exactly the cells
  // whose colour changed, at most the four cells left plus the four newly
  // covered, and Qt paints nothing outside them.
  void fallTicksAndShiftsRepaintOnlyChangedCells() {
    auto game = openGame();
    game->Timer1().setEnabled(false);
    game->logic().Timer1_Timer();  // the first piece, a flat bar, enters
    QTest::qWait(20);
    PaintSpy spy;
    game->Shape1().installEventFilter(&spy);

    const std::function<void()> steps[] = {
        [&] { game->logic().Timer1_Timer(); },
        [&] { QTest::keyClick(game.get(), Qt::Key_Left); },
        [&] { QTest::keyClick(game.get(), Qt::Key_Right); },
        [&] { game->logic().Timer1_Timer(); },
    };
    for (const auto& step : steps) {
      std::vector<Color> before;
      for (int i = 0; i < 250; ++i) before.push_back(game->Shape1().fillColor(i));
      const int requests = game->Shape1().repaintRequests();
      spy.regions.clear();

      step();
      QRegion changed;
      int changedCells = 0;
      for (int i = 0; i < 250; ++i) {
        if (game->Shape1().fillColor(i) == before[static_cast<std::size_t>(i)]) continue;
        ++changedCells;
        changed += game->Shape1().repaintRect(i);
      }
      QVERIFY(changedCells > 0);
      QVERIFY(changedCells <= 8);
      QCOMPARE(game->Shape1().repaintRequests() - requests, changedCells);
      QTRY_VERIFY(!spy.regions.empty());
      for (const QRegion& painted : spy.regions) QVERIFY((painted - changed).isEmpty());
    }
  }

  void closingThroughTheFrameRecordsNothing() {
    auto game = openGame();
    module_.playername = "Anna";
    module_.level = 2;
    game->close();
    QVERIFY(!game->isVisible());
    QCOMPARE(mainWindowsOpened_, 0);
    QVERIFY(dialogs_.boxes.empty());
    QCOMPARE(module_.reccount[2], 0);
  }

  void quitYesEndsTheGameAndOpensTheMainWindow() {
    auto game = openGame();
    game->setAttribute(Qt::WA_DeleteOnClose, false);
    dialogs_.answers = {id::kYes};
    game->quitMenu()->trigger();
    QCOMPARE(mainWindowsOpened_, 1);
    QVERIFY(!game->isVisible());
    QVERIFY(!game->Timer1().enabled());
    QCOMPARE(dialogs_.boxes.back().title, std::string("Game Over!"));
    mainWindowsOpened_ = 0;
  }
};

KLOTIX_QTEST_MAIN(KlotixGameTest)
#include "klotix_game_test.moc"
