// Windows of a fixed size: after any resize the window is set back to its
// size, except while minimised, maximised or full screen, when it cannot be
// sized and the attempt is simply skipped.
#pragma once

#include <QWidget>

namespace klotix {

inline void restoreFixedSize(QWidget& window, QSize size) {
  if (window.isMinimized() || window.isMaximized() || window.isFullScreen()) return;
  if (window.size() != size) window.resize(size);
}

}  // namespace klotix
