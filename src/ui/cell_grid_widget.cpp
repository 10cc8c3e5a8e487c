#include "ui/cell_grid_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/device_pixels.h"
#include "ui/twips.h"

namespace klotix {

namespace {
QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QRect boundingBox(const std::vector<QRect>& cells) {
  QRect box;
  for (const QRect& r : cells) box = box.united(r);
  return box;
}
}  // namespace

CellGridWidget::CellGridWidget(const std::vector<QRect>& twipCells, QColor border, Color fill, QWidget* parent)
    : QWidget(parent), colors_(twipCells.size(), fill), border_(border) {
  const QRect twips = boundingBox(twipCells);
  setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()).adjusted(0, 0, 1, 1));
  for (const QRect& r : twipCells)
    cells_.push_back(twipRectF(r.x(), r.y(), r.width(), r.height()).translated(-QPointF(pos())));
  // A change of one cell never moves another: nothing to repaint on a
  // resize. The parent shows through where no cell lies.
  setAttribute(Qt::WA_StaticContents);
  setFocusPolicy(Qt::NoFocus);
}

void CellGridWidget::setFillColor(int index, Color color) {
  Color& cell = colors_.at(static_cast<std::size_t>(index));
  if (cell == color) return;
  cell = color;
  ++repaintRequests_;
  update(repaintRect(index));
}

QRect CellGridWidget::cellRect(int index) const { return cells_.at(static_cast<std::size_t>(index)).toRect(); }

void CellGridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const DevicePixels device(painter);
  const int border = device.length(1);
  const QRect dirty = event->rect();
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (!dirty.intersects(repaintRect(static_cast<int>(i)))) continue;
    // Border first, then the fill inside it. Neighbouring cells overlap by
    // one pixel, so their borders fall on the same device pixels.
    const QRect outline = device.outline(cells_[i]);
    device.fill(outline, border_);
    device.fill(outline.adjusted(border, border, -border, -border), toQColor(colors_[i]));
  }
}

}  // namespace klotix
