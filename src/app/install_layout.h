// Where this copy of Klotix lies and where it finds its data files (the
// skin, the language catalogues). Only the program knows where its
// executable is: it makes one layout at start and hands it down.
#pragma once

#include <QString>
#include <QStringList>

namespace klotix {

class InstallLayout {
 public:
  // The layout of an executable in `programFolder`. Looks once at the
  // folders to tell whether the copy is installed.
  explicit InstallLayout(const QString& programFolder);

  // The layout of the running program. Requires the application object.
  static InstallLayout ofRunningProgram();

  // The executable's folder.
  const QString& programFolder() const { return programFolder_; }

  // The folders the data files are looked for in, first first: the
  // program's folder (a build tree, a copy run from a folder of its own,
  // the portable Windows folder), then the data folder of an installed
  // tree, found from the program's folder so that a moved prefix works.
  const QStringList& dataFolders() const { return dataFolders_; }

  // Whether this is an installed copy: the skin lies in the installed
  // data folder and not beside the program. A copy without any skin
  // counts as not installed.
  bool installed() const { return installed_; }

 private:
  QString programFolder_;
  QStringList dataFolders_;
  bool installed_ = false;
};

}  // namespace klotix
