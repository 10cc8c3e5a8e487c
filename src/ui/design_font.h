// The windows' design font, Tahoma, at a size in points. Where Tahoma is
// missing (most Linux desktops), Verdana or else DejaVu Sans stands in.
#pragma once

#include <QFont>

namespace klotix {

// Where Tahoma is there it is asked for alone: a font asked for with
// stand-ins makes Qt's Windows font database look through every family
// the system has at the first text shown, which under Wine costs 60 ms of
// the program's start.
QFont designFont(double pointSize);

}  // namespace klotix
