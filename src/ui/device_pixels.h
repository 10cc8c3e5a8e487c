// Painting on whole device pixels at any display scale. At 125% or 150% a
// logical pixel is a pixel and a fraction, and rectangles given in logical
// pixels come out with borders of one width here and another there, and
// lines smeared over a pixel more than they should be. Painting through
// DevicePixels puts every edge on a device pixel instead, found the same
// way by every widget, so that what one widget draws meets what another
// draws beside it.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

class QPainter;

namespace klotix {

class DevicePixels {
 public:
  // Switches `painter`, fresh from QPainter::begin, to device pixels: from
  // here on it paints in whole device pixels counted from the widget's
  // origin. Works on any device: a window, a grab, an image of any pixel
  // ratio.
  explicit DevicePixels(QPainter& painter);

  // Device pixel ratio of the painter's device.
  qreal ratio() const { return ratio_; }

  // The device pixel edge nearest to `logical`, a coordinate in the
  // widget's logical pixels; a half rounds up. Edges count device pixels
  // of the whole device, not of the widget.
  int x(qreal logical) const;
  int y(qreal logical) const;

  // `logical` pixels as a whole number of device pixels, at least one.
  int length(qreal logical) const;

  // The device pixels of a rectangle drawn with a one-pixel border, as in
  // a grid of cells that overlap by that border: its near edges where
  // `logical` begins, its far border starting one logical pixel inside
  // `logical`'s far edges and `length(1)` wide. Neighbours whose
  // rectangles overlap by one logical pixel so share their borders
  // exactly, and every border has one width on all four sides.
  QRect outline(const QRectF& logical) const;

  // Fills `device`, given in device pixels, with `color`.
  void fill(const QRect& device, const QColor& color) const;

 private:
  QPainter& painter_;
  qreal ratio_ = 1;
  QPointF origin_;  // where the widget's origin lies on the device, in device pixels
};

}  // namespace klotix
