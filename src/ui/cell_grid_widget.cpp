#include "ui/cell_grid_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace klotix {

namespace {
QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QRect boundingBox(const std::vector<QRect>& cells) {
  QRect box;
  for (const QRect& r : cells) box = box.united(r);
  return box;
}
}  // namespace

CellGridWidget::CellGridWidget(std::vector<QRect> cells, QColor border, Color fill, QWidget* parent)
    : QWidget(parent), cells_(std::move(cells)), colors_(cells_.size(), fill), border_(border) {
  const QRect box = boundingBox(cells_);
  setGeometry(box);
  for (QRect& r : cells_) r.translate(-box.topLeft());
  // The cells cover the whole widget, and a change of one cell never moves
  // another: no background to clear, nothing to repaint on a resize.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
  setFocusPolicy(Qt::NoFocus);
}

void CellGridWidget::setFillColor(int index, Color color) {
  Color& cell = colors_.at(static_cast<std::size_t>(index));
  if (cell == color) return;
  cell = color;
  ++repaintRequests_;
  update(cellRect(index));
}

QRect CellGridWidget::cellRect(int index) const { return cells_.at(static_cast<std::size_t>(index)); }

void CellGridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const QRect& r = cells_[i];
    if (!dirty.intersects(r)) continue;
    // Border first, then the fill inside it. Neighbouring cells overlap by
    // one pixel, so their borders fall on the same line.
    painter.fillRect(r, border_);
    painter.fillRect(r.adjusted(1, 1, -1, -1), toQColor(colors_[i]));
  }
}

}  // namespace klotix
