// The main window's skin: a Qt style sheet kept in a skin file. Loading and
// applying both fail silently when the file is missing or unreadable, and
// the window then keeps its plain look.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace klotix {

// Where a skin file lies, seen from the executable's folder.
enum class SkinPlace {
  kNone,
  kBesideProgram,  // the executable's own folder: a build tree, a copy run from a folder of its own
  kInstalled,      // ../share/klotix from it: an installed tree under any prefix
};

// The folders in which the program's data files (the skin, the language
// catalogues) are looked for, seen from the executable's folder
// `programFolder`, first first: that folder itself, then ../share/klotix.
QStringList programDataFolders(const QString& programFolder);

// Where skin file `fileName`, a bare name, lies for the executable in
// `programFolder`; beside it counts first.
SkinPlace findSkin(const QString& programFolder, const QString& fileName);

class Skin {
 public:
  // Reads skin file `fileName`, a bare name, from the executable's folder
  // or else from ../share/klotix beside it (see SkinPlace). Returns whether
  // a skin was loaded; on failure no skin is held.
  bool LoadSkin(const QString& fileName);

  // Gives `window` the loaded skin. Returns false, changing nothing, when
  // no skin is loaded.
  bool ApplySkin(QWidget* window) const;

  bool loaded() const { return !styleSheet_.isEmpty(); }

 private:
  QString styleSheet_;
};

}  // namespace klotix
