// Records the region of every paint event a widget receives, so window
// tests can hold a widget to repainting only what changed.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <vector>

namespace klotix::testing {

class PaintSpy : public QObject {
 public:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
  std::vector<QRegion> regions;
};

}  // namespace klotix::testing
