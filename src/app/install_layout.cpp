#include "app/install_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "main/main_logic.h"

namespace klotix {

InstallLayout::InstallLayout(const QString& programFolder) : programFolder_(programFolder) {
  const QDir program(programFolder_);
  // The installed data folder relative to the installed executable's,
  // from the install rules (KLOTIX_DATA_FROM_PROGRAM, "../share/klotix").
  dataFolders_ = {program.path(), program.filePath(QStringLiteral(KLOTIX_DATA_FROM_PROGRAM))};
  // The skin is the one data file every copy carries: where it lies tells
  // an installed tree from a folder of its own.
  const QString skin = QString::fromLatin1(kSkinFile);
  const auto holdsSkin = [&skin](const QString& folder) { return QFile::exists(QDir(folder).filePath(skin)); };
  installed_ = !holdsSkin(dataFolders_[0]) && holdsSkin(dataFolders_[1]);
}

InstallLayout InstallLayout::ofRunningProgram() { return InstallLayout(QCoreApplication::applicationDirPath()); }

}  // namespace klotix
