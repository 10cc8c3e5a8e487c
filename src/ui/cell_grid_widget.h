// A widget that paints a grid of cells, each a rectangle with a one-pixel
// border and a solid fill. It stores each cell's colour exactly and repaints
// only the cells whose colour changed; Qt merges those rectangles into one
// paint pass.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>
#include <vector>

#include "ui/cell_grid.h"

namespace klotix {

class CellGridWidget : public QWidget, public CellGrid {
 public:
  // `cells` are the cells' rectangles in the parent's coordinates, in
  // logical pixels; the widget covers their bounding box. Every cell starts
  // with `fill`.
  CellGridWidget(std::vector<QRect> cells, QColor border, Color fill, QWidget* parent);

  // CellGrid
  int count() const override { return static_cast<int>(colors_.size()); }
  void setFillColor(int index, Color color) override;
  Color fillColor(int index) const override { return colors_.at(static_cast<std::size_t>(index)); }

  // Rectangle of cell `index` in this widget's coordinates; painting and
  // repainting both go through it.
  QRect cellRect(int index) const;

  // How many cell repaints were requested so far (one per changed colour),
  // so tests can hold the grid to repainting only what changed.
  int repaintRequests() const { return repaintRequests_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QRect> cells_;  // widget coordinates
  std::vector<Color> colors_;
  QColor border_;
  int repaintRequests_ = 0;
};

}  // namespace klotix
