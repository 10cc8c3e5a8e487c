#include "ui/skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace klotix {

bool Skin::LoadSkin(const QString& fileName) {
  styleSheet_.clear();
  QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(fileName));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  styleSheet_ = QString::fromUtf8(file.readAll());
  return loaded();
}

bool Skin::ApplySkin(QWidget* window) const {
  if (!loaded() || window == nullptr) return false;
  window->setStyleSheet(styleSheet_);
  return true;
}

}  // namespace klotix
