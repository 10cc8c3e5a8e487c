// Fitting a text into a box by changing its font: first narrower, down to a
// width at which it still reads well, then also smaller. The points display
// and the record lists use it, so that a number is always shown whole, and
// the buttons, so that a caption longer in the player's language than in
// English is too.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QPushButton;

namespace klotix {

// Narrowing stops at this width, in percent of the font's normal width;
// narrower, digits begin to run together.
inline constexpr int kNarrowestStretch = 65;

// Whether `text` in `font` fits in `room`: its advance, to the fraction of
// a pixel, no wider and its line no taller.
bool textFits(const QFont& font, const QString& text, QSize room);

// The font to show `text` in, in `room`: `font` itself while the text fits;
// else `font` narrowed by steps of 5 % just enough; else, at the narrowest,
// the largest pixel size at which it fits. A text that fits at no size of
// at least 1 pixel gets the 1-pixel font.
QFont fittedFont(const QFont& font, const QString& text, QSize room);

// Buttons

// `text` as a button or menu shows it: without the & that marks its access
// key; "&&" shows as "&".
QString withoutAccessMark(const QString& text);

// The room `button`'s style leaves for its text: inside its frame and
// padding, and inside the thicker frame it may have with the focus.
QSize buttonTextRoom(const QPushButton& button);

// Gives `button` the font that shows its text whole in buttonTextRoom:
// `designFont` while the text fits, else narrowed and then smaller (see
// fittedFont). The button keeps its size. Call once its style, a style
// sheet too, is in force.
void fitButtonText(QPushButton& button, const QFont& designFont);

}  // namespace klotix
