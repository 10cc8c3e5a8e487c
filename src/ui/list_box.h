// A list box that marks the keyboard focus also while it is empty: Qt's item
// views mark only their current row, so an empty list with the focus looked
// like a list without it.
#pragma once

#include <QListWidget>

namespace klotix {

class ListBox final : public QListWidget {
 public:
  explicit ListBox(QWidget* parent) : QListWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace klotix
