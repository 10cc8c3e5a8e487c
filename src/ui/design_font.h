// The windows' design font, Tahoma, at a size in points. Where Tahoma is
// missing (most Linux desktops), Verdana or else DejaVu Sans stands in.
#pragma once

#include <QFont>
#include <QString>

namespace klotix {

// Where Tahoma is there it is asked for alone: a font asked for with
// stand-ins makes Qt's Windows font database look through every family
// the system has at the first text shown, which under Wine costs 60 ms of
// the program's start.
QFont designFont(double pointSize);

// The design font for the windows' texts in `language` (a catalogue's
// name: "ja", "zh_CN"). Tahoma has no Chinese characters, kana or Hangul:
// for Japanese, Chinese and Korean the font that Windows shows that
// language in (Yu Gothic UI, Microsoft YaHei UI, Malgun Gothic, or an
// older one) is asked for alone where it is installed, since it holds the
// Latin letters too, and Qt would otherwise look through every family the
// system has at the first character Tahoma lacks. Where none is installed
// (Linux), Tahoma or its stand-ins stay and the system's fallback finds
// the characters. Call once, before the first designFont.
void useDesignFontFor(const QString& language);

}  // namespace klotix
