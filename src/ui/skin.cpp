#include "ui/skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace klotix {

namespace {
QString besideProgram(const QString& programFolder, const QString& fileName) {
  return QDir(programFolder).filePath(fileName);
}

QString inInstalledTree(const QString& programFolder, const QString& fileName) {
  return QDir(programFolder).filePath(QStringLiteral("../share/klotix/") + fileName);
}
}  // namespace

SkinPlace findSkin(const QString& programFolder, const QString& fileName) {
  if (QFile::exists(besideProgram(programFolder, fileName))) return SkinPlace::kBesideProgram;
  if (QFile::exists(inInstalledTree(programFolder, fileName))) return SkinPlace::kInstalled;
  return SkinPlace::kNone;
}

bool Skin::LoadSkin(const QString& fileName) {
  styleSheet_.clear();
  const QString programFolder = QCoreApplication::applicationDirPath();
  for (const QString& path : {besideProgram(programFolder, fileName), inInstalledTree(programFolder, fileName)}) {
    QFile file(path);
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
