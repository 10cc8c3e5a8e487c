#include "ui/list_box.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace klotix {

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

}  // namespace klotix
