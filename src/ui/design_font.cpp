#include "ui/design_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace klotix {

QFont designFont(double pointSize) {
  static const QStringList families = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
                                          ? QStringList{QStringLiteral("Tahoma")}
                                          : QStringList{QStringLiteral("Tahoma"), QStringLiteral("Verdana"),
                                                        QStringLiteral("DejaVu Sans")};
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace klotix
