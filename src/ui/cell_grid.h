// A grid of rectangular cells, each with a solid fill colour that can be set
// and read back exactly. The game paints its playfield and its preview of the
// next piece through this interface; the Qt widget and the test fakes
// implement it.
#pragma once

#include "ui/color.h"

namespace klotix {

class CellGrid {
 public:
  virtual ~CellGrid() = default;

  // Number of cells; valid indexes are 0..count() - 1.
  virtual int count() const = 0;

  // Gives cell `index` the fill colour `color`. Requires a valid index.
  // Implementations repaint the cell only when the colour changes.
  virtual void setFillColor(int index, Color color) = 0;

  // The colour last given to cell `index`, exactly as it was given.
  virtual Color fillColor(int index) const = 0;
};

}  // namespace klotix
