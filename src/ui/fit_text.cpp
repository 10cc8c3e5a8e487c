#include "ui/fit_text.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace klotix {

namespace {
constexpr int kStretchStep = 5;
}

bool textFits(const QFont& font, const QString& text, QSize room) {
  // Fractional: item views elide a text that is a fraction of a pixel too
  // wide, which a rounded width would miss.
  const QFontMetricsF metrics(font);
  // As a label lays the text out, which counts a last letter reaching past
  // its advance ("k" in "Wynik").
  const qreal laidOut = metrics.boundingRect(QRectF(QPointF(), QSizeF(room)), 0, text).width();
  return std::max(metrics.horizontalAdvance(text), laidOut) <= room.width() && metrics.height() <= room.height();
}

QFont fittedFont(const QFont& font, const QString& text, QSize room) {
  if (textFits(font, text, room)) return font;
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(text);
  // Each font tried is a font engine made, which under Wine costs
  // milliseconds: the search starts where the width scales down to the room
  // (one step above, for hinting) rather than at the top.
  QFont fitted = font;
  // Narrower first: the text keeps its height, so it stays level with its
  // neighbours and as easy to read as a narrow face allows. Only a text too
  // wide is narrowed; one too tall goes straight to a smaller size.
  if (metrics.height() <= room.height()) {
    const int scaled = static_cast<int>(100 * room.width() / width);
    const int start = std::min(100 - kStretchStep, (scaled / kStretchStep + 1) * kStretchStep);
    for (int stretch = start; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
      fitted.setStretch(stretch);
      if (textFits(fitted, text, room)) return fitted;
    }
    fitted.setStretch(kNarrowestStretch);
  }
  const QFontMetricsF narrowed(fitted);
  const qreal scale = std::min(room.width() / narrowed.horizontalAdvance(text), room.height() / narrowed.height());
  const int pixelSize = QFontInfo(fitted).pixelSize();
  for (int pixels = std::min(pixelSize - 1, static_cast<int>(pixelSize * scale) + 1); pixels >= 1; --pixels) {
    fitted.setPixelSize(pixels);
    if (textFits(fitted, text, room)) break;
  }
  return fitted;
}

QString withoutAccessMark(const QString& text) {
  static const QRegularExpression mark(QStringLiteral("&(.)"));
  return QString(text).replace(mark, QStringLiteral("\\1"));
}

QSize buttonTextRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  if (button.autoDefault() || button.isDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
  option.state |= QStyle::State_HasFocus;
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).size();
}

void fitButtonText(QPushButton& button, const QFont& designFont) {
  button.ensurePolished();
  button.setFont(fittedFont(designFont, withoutAccessMark(button.text()), buttonTextRoom(button)));
}

}  // namespace klotix
