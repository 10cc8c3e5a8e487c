#include "ui/fit_text.h"

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
  return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

QFont fittedFont(const QFont& font, const QString& text, QSize room) {
  if (textFits(font, text, room)) return font;
  // Narrower first: the text keeps its height, so it stays level with its
  // neighbours and as easy to read as a narrow face allows.
  QFont fitted = font;
  for (int stretch = 100 - kStretchStep; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
    fitted.setStretch(stretch);
    if (textFits(fitted, text, room)) return fitted;
  }
  for (int pixels = QFontInfo(fitted).pixelSize() - 1; pixels >= 1; --pixels) {
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
