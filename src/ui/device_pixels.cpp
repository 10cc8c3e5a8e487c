#include "ui/device_pixels.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace klotix {

DevicePixels::DevicePixels(QPainter& painter) : painter_(painter) {
  // Logical to device: the widget's place on its device, then the pixel
  // ratio. Undoing the ratio leaves whole device pixels, offset by the
  // widget's place, which may itself fall between two device pixels.
  const QTransform toDevice = painter.deviceTransform();
  ratio_ = toDevice.m11();
  origin_ = toDevice.map(QPointF(0, 0));
  painter.setWorldTransform(QTransform::fromScale(1 / ratio_, 1 / ratio_));
  painter.setRenderHint(QPainter::Antialiasing, false);
}

int DevicePixels::x(qreal logical) const { return qRound(origin_.x() + logical * ratio_); }

int DevicePixels::y(qreal logical) const { return qRound(origin_.y() + logical * ratio_); }

int DevicePixels::length(qreal logical) const { return std::max(1, qRound(logical * ratio_)); }

QRect DevicePixels::outline(const QRectF& logical) const {
  const int border = length(1);
  const int left = x(logical.left());
  const int top = y(logical.top());
  const int right = x(logical.right() - 1) + border;
  const int bottom = y(logical.bottom() - 1) + border;
  return {left, top, right - left, bottom - top};
}

void DevicePixels::fill(const QRect& device, const QColor& color) const {
  // Whole device pixels on the device: an unsmoothed fill covers exactly
  // them.
  painter_.fillRect(QRectF(device).translated(-origin_), color);
}

}  // namespace klotix
