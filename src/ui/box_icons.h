// The icons of message and name boxes, drawn as shapes at the size and
// scale they are shown at, so they stay sharp where Qt's built-in bitmaps
// are blown up and blurred (at a scale factor of 2, say). The desktop
// theme's icons are used where it has them.
#pragma once

#include <QProxyStyle>

namespace klotix {

// The platform's style, with the icons of message boxes (information,
// question, warning, error) and of their buttons (OK, Cancel, Yes, No)
// drawn sharp. Meant to be the application's style.
class BoxIconStyle final : public QProxyStyle {
 public:
  BoxIconStyle() = default;

  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace klotix
