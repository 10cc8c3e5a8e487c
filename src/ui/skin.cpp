#include "ui/skin.h"

#include <QDir>
#include <QFile>
#include <QWidget>

namespace klotix {

bool Skin::LoadSkin(const QString& fileName) {
  styleSheet_.clear();
  for (const QString& folder : folders_) {
    QFile file(QDir(folder).filePath(fileName));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
      styleSheet_ = QString::fromUtf8(file.readAll());
      return loaded();
    }
  }
  return false;
}

bool Skin::ApplySkin(QWidget* window) const {
  if (!loaded() || window == nullptr) return false;
  window->setStyleSheet(styleSheet_);
  return true;
}

}  // namespace klotix
