// A widget that paints a grid of cells, each a rectangle with a one-pixel
// border and a solid fill. It stores each cell's colour exactly and repaints
// only the cells whose colour changed; Qt merges those rectangles into one
// paint pass. At every display scale the borders fall on whole device
// pixels, so every cell shows the same square and the same border on all
// four sides.
#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "ui/cell_grid.h"

namespace klotix {

class CellGridWidget : public QWidget, public CellGrid {
  Q_OBJECT  // the accessible factory knows the grid by this class's name

 public:
  // `twipCells` are the cells' rectangles in the parent's coordinates, in
  // twips; neighbours overlap by one pixel (15 twips), so that they share
  // a border. The widget covers their bounding box and, right and below,
  // the pixel into which the last borders may reach at a fractional scale;
  // what it does not paint there shows the parent. Every cell starts with
  // `fill`.
  CellGridWidget(const std::vector<QRect>& twipCells, QColor border, Color fill, QWidget* parent);

  // CellGrid
  int count() const override { return static_cast<int>(colors_.size()); }
  void setFillColor(int index, Color color) override;
  Color fillColor(int index) const override { return colors_.at(static_cast<std::size_t>(index)); }

  // Rectangle of cell `index` in this widget's logical pixels, its twips
  // rounded to the nearest pixel.
  QRect cellRect(int index) const;

  // What a change of cell `index` repaints: its rectangle and the pixel
  // beyond it on the right and below, into which its far borders may reach.
  QRect repaintRect(int index) const { return cellRect(index).adjusted(0, 0, 1, 1); }

  // How many cell repaints were requested so far (one per changed colour),
  // so tests can hold the grid to repainting only what changed.
  int repaintRequests() const { return repaintRequests_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QRectF> cells_;  // widget coordinates, exact
  std::vector<Color> colors_;
  QColor border_;
  int repaintRequests_ = 0;
};

}  // namespace klotix
