// The end-of-game hold throws away input that arrives during it, and only
// during it.
#include "ui/input_hold.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QtTest>

#include "support/qt_test_main.h"

namespace {
class KeyCounter : public QWidget {
 public:
  int presses = 0;

 protected:
  void keyPressEvent(QKeyEvent* /*event*/) override { ++presses; }
};
}  // namespace

class InputHoldTest : public QObject {
  Q_OBJECT

 private slots:
  void discardsQueuedAndNewInputThenLetsItThrough() {
    KeyCounter widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    // A key already queued, and one arriving half-way through the hold.
    QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    QTimer::singleShot(40, &widget, [&widget] {
      QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    });
    QElapsedTimer clock;
    clock.start();
    klotix::holdInput(100);
    QVERIFY(clock.elapsed() >= 95);
    QCoreApplication::processEvents();
    QCOMPARE(widget.presses, 0);

    QTest::keyClick(&widget, Qt::Key_Return);
    QCOMPARE(widget.presses, 1);
  }

  void closeRequestsWaitUntilTheHoldIsOver() {
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTimer::singleShot(20, &window, [&window] { window.close(); });
    klotix::holdInput(60);
    QVERIFY(window.isVisible());
  }
};

KLOTIX_QTEST_MAIN(InputHoldTest)
#include "input_hold_test.moc"
