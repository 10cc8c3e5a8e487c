// Opening the display: without one, Qt reports a broken installation and
// aborts, leaving a core file. Klotix says in one line what is missing and
// ends with status 1 instead.
#pragma once

#include <QApplication>
#include <memory>

namespace klotix {

// The application object of the windows, connected to the windowing system.
// When that cannot be reached (no display named, a display that does not
// answer, a platform that cannot be used), prints one line such as
// "klotix: cannot open a display (DISPLAY and WAYLAND_DISPLAY are not set)",
// in the player's language, on standard error and ends the process at once
// with status 1. Qt's own messages while connecting are held back, and
// passed on once connected.
std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);

}  // namespace klotix
