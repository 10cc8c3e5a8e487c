#include "ui/skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace klotix {

QStringList programDataFolders(const QString& programFolder) {
  const QDir program(programFolder);
  return {program.path(), program.filePath(QStringLiteral("../share/klotix"))};
}

SkinPlace findSkin(const QString& programFolder, const QString& fileName) {
  const QStringList folders = programDataFolders(programFolder);
  if (QFile::exists(QDir(folders[0]).filePath(fileName))) return SkinPlace::kBesideProgram;
  if (QFile::exists(QDir(folders[1]).filePath(fileName))) return SkinPlace::kInstalled;
  return SkinPlace::kNone;
}

bool Skin::LoadSkin(const QString& fileName) {
  styleSheet_.clear();
  for (const QString& folder : programDataFolders(QCoreApplication::applicationDirPath())) {
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
