// Window layouts are designed in twips (1/1440 inch). At 15 twips per
// logical pixel Qt's high-DPI scaling then keeps every window the same
// physical size, and crisp, on any screen.
#pragma once

#include <QRect>
#include <QRectF>
#include <cmath>

namespace klotix {

inline constexpr double kTwipsPerPixel = 15.0;

inline constexpr double twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

// A rectangle given in twips, in logical pixels; edges round to the nearest
// pixel.
inline QRect twipRect(int left, int top, int width, int height) {
  const int x = static_cast<int>(std::lround(twipsToPixels(left)));
  const int y = static_cast<int>(std::lround(twipsToPixels(top)));
  const int right = static_cast<int>(std::lround(twipsToPixels(left + width)));
  const int bottom = static_cast<int>(std::lround(twipsToPixels(top + height)));
  return QRect(x, y, right - x, bottom - y);
}

inline QRectF twipRectF(int left, int top, int width, int height) {
  return QRectF(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace klotix
