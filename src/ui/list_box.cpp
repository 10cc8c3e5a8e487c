#include "ui/list_box.h"

#include <QAccessible>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace klotix {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {}

void ListBox::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (count() > 0 || !hasFocus()) return;
  // The mark a current row would carry, where the first row would stand.
  QPainter painter(viewport());
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = QRect(0, 0, viewport()->width(), fontMetrics().height());
  option.backgroundColor = palette().color(QPalette::Base);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // QListView tells assistive technology that the focus moved to the new
  // current row whether or not the list has the focus. A list paired with
  // another follows that one's current row, and a screen reader then went
  // to the other list's row and back on every move.
  QAbstractItemView::currentChanged(current, previous);
  if (!current.isValid() || !hasFocus() || !QAccessible::isActive()) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(current.row());
  QAccessible::updateAccessibility(&event);
}

}  // namespace klotix
