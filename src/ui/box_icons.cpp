#include "ui/box_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace klotix {

namespace {

enum class Shape { kInformation, kQuestion, kWarning, kError, kAccept, kReject };

// Paints one shape into whatever rectangle and pixel density it is asked for.
class DrawnIconEngine final : public QIconEngine {
 public:
  explicit DrawnIconEngine(Shape shape) : shape_(shape) {}

  QIconEngine* clone() const override { return new DrawnIconEngine(shape_); }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State /*state*/) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    // A square in the middle of `rect`, with room for the outline.
    const qreal side = std::min(rect.width(), rect.height());
    const QRectF box(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
    const QRectF inner = box.adjusted(side / 16, side / 16, -side / 16, -side / 16);
    switch (shape_) {
      case Shape::kInformation:
        disc(painter, inner, QColor(0x1f, 0x5f, 0xae));
        sign(painter, inner, QStringLiteral("i"), Qt::white);
        break;
      case Shape::kQuestion:
        disc(painter, inner, QColor(0x1f, 0x5f, 0xae));
        sign(painter, inner, QStringLiteral("?"), Qt::white);
        break;
      case Shape::kError:
        disc(painter, inner, QColor(0xc0, 0x1c, 0x28));
        sign(painter, inner, QStringLiteral("!"), Qt::white);
        break;
      case Shape::kWarning: {
        QPainterPath triangle;
        triangle.moveTo(inner.center().x(), inner.top());
        triangle.lineTo(inner.bottomRight());
        triangle.lineTo(inner.bottomLeft());
        triangle.closeSubpath();
        painter->setPen(QPen(QColor(0x80, 0x60, 0x00), side / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(QColor(0xf6, 0xc3, 0x1c));
        painter->drawPath(triangle);
        sign(painter, inner.adjusted(0, side / 6, 0, 0), QStringLiteral("!"), Qt::black);
        break;
      }
      case Shape::kAccept: {
        QPainterPath tick;
        tick.moveTo(inner.left() + inner.width() * 0.12, inner.top() + inner.height() * 0.55);
        tick.lineTo(inner.left() + inner.width() * 0.40, inner.top() + inner.height() * 0.82);
        tick.lineTo(inner.left() + inner.width() * 0.88, inner.top() + inner.height() * 0.20);
        painter->setPen(QPen(QColor(0x26, 0xa2, 0x69), side / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
        break;
      }
      case Shape::kReject: {
        const QRectF cross = inner.adjusted(side / 6, side / 6, -side / 6, -side / 6);
        painter->setPen(QPen(QColor(0xc0, 0x1c, 0x28), side / 7, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
        break;
      }
    }
    painter->restore();
  }

 private:
  static void disc(QPainter* painter, const QRectF& box, const QColor& color) {
    painter->setPen(QPen(color.darker(130), box.width() / 24));
    painter->setBrush(color);
    painter->drawEllipse(box);
  }

  // A bold character filling most of `box`'s height.
  static void sign(QPainter* painter, const QRectF& box, const QString& text, const QColor& color) {
    QFont font = painter->font();
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(box.height() * 0.7)));
    painter->setFont(font);
    painter->setPen(color);
    painter->drawText(box, Qt::AlignCenter, text);
  }

  Shape shape_;
};

// The theme's icon of that name where the desktop has one, else the shape.
QIcon sharpIcon(const char* themeName, Shape shape) {
  return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(new DrawnIconEngine(shape)));
}

}  // namespace

QIcon BoxIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
  switch (standardIcon) {
    case SP_MessageBoxInformation:
      return sharpIcon("dialog-information", Shape::kInformation);
    case SP_MessageBoxQuestion:
      return sharpIcon("dialog-question", Shape::kQuestion);
    case SP_MessageBoxWarning:
      return sharpIcon("dialog-warning", Shape::kWarning);
    case SP_MessageBoxCritical:
      return sharpIcon("dialog-error", Shape::kError);
    case SP_DialogOkButton:
    case SP_DialogYesButton:
      return sharpIcon("dialog-ok", Shape::kAccept);
    case SP_DialogCancelButton:
    case SP_DialogNoButton:
      return sharpIcon("dialog-cancel", Shape::kReject);
    default:
      return QProxyStyle::standardIcon(standardIcon, option, widget);
  }
}

}  // namespace klotix
