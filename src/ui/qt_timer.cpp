#include "ui/qt_timer.h"

namespace klotix {

QtTimer::QtTimer(std::function<void()> onTick) {
  // A coarse timer may fire up to 5% early or late; the fall rhythm must
  // hold to the millisecond.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void QtTimer::setInterval(int milliseconds) {
  // QTimer restarts its period on every setInterval; the game sets the same
  // interval with each new piece and must not shift its rhythm by that.
  if (milliseconds != timer_.interval()) timer_.setInterval(milliseconds);
}

void QtTimer::setEnabled(bool enabled) {
  if (enabled == timer_.isActive()) return;
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace klotix
