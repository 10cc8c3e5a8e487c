// A periodic timer that fires on the window's thread. The game's fall tick
// runs on one; tests use a fake that never fires by itself, so a test calls
// the tick handler directly instead of waiting.
#pragma once

namespace klotix {

class Timer {
 public:
  virtual ~Timer() = default;

  // Sets the period in milliseconds. Setting the period it already has
  // changes nothing, so a running timer keeps its rhythm.
  virtual void setInterval(int milliseconds) = 0;
  virtual int interval() const = 0;

  // Enabling starts a fresh period: the first firing comes one full interval
  // later. Disabling stops firing at once.
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
};

}  // namespace klotix
