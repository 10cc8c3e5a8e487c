#include "ui/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace klotix {

namespace {
class InputSwallower final : public QObject {
 public:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }
};
}  // namespace

void holdInput(int milliseconds) {
  InputSwallower swallower;
  qApp->installEventFilter(&swallower);
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
  // Whatever the window system delivered up to now is swallowed too.
  QCoreApplication::processEvents();
  qApp->removeEventFilter(&swallower);
}

}  // namespace klotix
