// What the game asks of its window beyond painting, the timer and dialogs:
// the beep and the pause at the end of a game, and switching back to the
// main window. The Qt game window implements it; tests use a fake.
#pragma once

namespace klotix {

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Sounds the system beep.
  virtual void beep() = 0;

  // Waits about `milliseconds` without taking any input: key presses and
  // clicks made meanwhile are thrown away, so a key held at the end of a
  // game cannot close the box that follows. Must not busy-wait.
  virtual void holdInput(int milliseconds) = 0;

  // Opens the main window afresh (its load steps run again).
  virtual void openMainWindow() = 0;

  // Closes the game window; the game ends with it.
  virtual void closeGameWindow() = 0;
};

}  // namespace klotix
