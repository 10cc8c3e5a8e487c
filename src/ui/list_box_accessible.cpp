#include "ui/list_box_accessible.h"

#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>
#include <vector>

#include "ui/list_box.h"

namespace klotix {

namespace {

// One row of a list, read live from its item. Valid while the list has
// that many rows.
class RowAccessible final : public QAccessibleInterface {
 public:
  RowAccessible(QListWidget* list, int row) : list_(list), row_(row) {}

  bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return list_ != nullptr ? list_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  QString text(QAccessible::Text t) const override {
    const QListWidgetItem* item = this->item();
    if (item == nullptr) return {};
    if (t == QAccessible::Description) return item->data(Qt::AccessibleDescriptionRole).toString();
    if (t != QAccessible::Name) return {};
    const QString spoken = item->data(Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? item->text() : spoken;
  }

  QRect rect() const override {
    const QListWidgetItem* item = this->item();
    if (item == nullptr) return {};
    const QRect shown = list_->visualItemRect(item);
    return {list_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    const QListWidgetItem* item = this->item();
    if (item == nullptr) return state;
    state.selectable = true;
    state.focusable = true;
    state.selected = item->isSelected();
    state.focused = list_->hasFocus() && list_->currentRow() == row_;
    state.invisible = !list_->isVisible() || !list_->viewport()->rect().intersects(list_->visualItemRect(item));
    return state;
  }

 private:
  QListWidgetItem* item() const { return isValid() ? list_->item(row_) : nullptr; }

  QPointer<QListWidget> list_;
  int row_;
};

// The list: its rows are its children, and nothing else is (neither the
// viewport nor the scroll bars, as with Qt's own item views).
class ListAccessible final : public QAccessibleWidget {
 public:
  explicit ListAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}
  ListAccessible(const ListAccessible&) = delete;
  ListAccessible& operator=(const ListAccessible&) = delete;
  // The rows have no object of their own that would take them along.
  ~ListAccessible() override {
    for (QAccessible::Id id : rows_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override { return list()->count(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= list()->count()) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    if (at >= rows_.size()) rows_.resize(at + 1, 0);
    if (rows_[at] == 0) rows_[at] = QAccessible::registerAccessibleInterface(new RowAccessible(list(), index));
    return QAccessible::accessibleInterface(rows_[at]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (rows_[i] != 0 && QAccessible::accessibleInterface(rows_[i]) == child) return static_cast<int>(i);
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QListWidgetItem* item = list()->itemAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return item != nullptr ? child(list()->row(item)) : nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
  }

 private:
  QListWidget* list() const { return static_cast<QListWidget*>(widget()); }

  mutable std::vector<QAccessible::Id> rows_;  // by row; 0 until asked for
};

}  // namespace

QAccessibleInterface* listBoxAccessible(ListBox* list) { return new ListAccessible(list); }

}  // namespace klotix
