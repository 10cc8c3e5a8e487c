#include "ui/design_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace klotix {

namespace {
QStringList tahoma() {
  return QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
             ? QStringList{QStringLiteral("Tahoma")}
             : QStringList{QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

// Each language's Windows fonts, newest first.
QStringList windowsFontsFor(const QString& language) {
  if (language == QLatin1String("ja"))
    return {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"), QStringLiteral("MS UI Gothic")};
  if (language == QLatin1String("zh_CN"))
    return {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")};
  if (language == QLatin1String("ko")) return {QStringLiteral("Malgun Gothic"), QStringLiteral("Gulim")};
  return {};
}

QStringList& families() {
  static QStringList chosen;
  return chosen;
}
}  // namespace

void useDesignFontFor(const QString& language) {
  for (const QString& family : windowsFontsFor(language)) {
    if (QFontDatabase::hasFamily(family)) {
      families() = {family};
      return;
    }
  }
  families() = tahoma();
}

QFont designFont(double pointSize) {
  if (families().isEmpty()) families() = tahoma();
  QFont font;
  font.setFamilies(families());
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace klotix
