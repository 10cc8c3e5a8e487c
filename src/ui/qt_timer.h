// The Timer interface over a QTimer with millisecond precision.
#pragma once

#include <QTimer>
#include <functional>

#include "ui/timer.h"

namespace klotix {

class QtTimer final : public Timer {
 public:
  // `onTick` runs on the owner's thread at every firing.
  explicit QtTimer(std::function<void()> onTick);
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  void setInterval(int milliseconds) override;
  int interval() const override { return timer_.interval(); }
  void setEnabled(bool enabled) override;
  bool enabled() const override { return timer_.isActive(); }

  // Milliseconds until the next firing; -1 while disabled.
  int remainingMs() const { return timer_.remainingTime(); }

  // The underlying timer, for measuring when it fires.
  const QTimer& qtTimer() const { return timer_; }

 private:
  QTimer timer_;
};

}  // namespace klotix
