// A list box that marks the keyboard focus also while it is empty: Qt's item
// views mark only their current row, so an empty list with the focus looked
// like a list without it. To a screen reader it reports the focus on a row
// only while it has the focus itself (see list_box_accessible.h).
#pragma once

#include <QListWidget>

namespace klotix {

class ListBox final : public QListWidget {
  Q_OBJECT  // the accessible factory knows the list by this class's name

 public:
  explicit ListBox(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

}  // namespace klotix
