// A top-level window built on a plain QWidget that a screen reader lists
// and announces as a frame with its title, as it does a QMainWindow (see
// accessible_factory.h).
#pragma once

#include <QWidget>

namespace klotix {

class FramedWindow : public QWidget {
  Q_OBJECT  // the accessible factory knows the window by this class's name

 public:
  explicit FramedWindow(QWidget* parent = nullptr) : QWidget(parent) {}
};

}  // namespace klotix
