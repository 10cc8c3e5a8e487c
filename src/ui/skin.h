// The main window's skin: a Qt style sheet kept in a skin file. Loading and
// applying both fail silently when the file is missing or unreadable, and
// the window then keeps its plain look.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace klotix {

class Skin {
 public:
  // A skin looked for in `folders`, first first: the program's data
  // folders, which the program's install layout names.
  explicit Skin(QStringList folders) : folders_(std::move(folders)) {}

  // Reads skin file `fileName`, a bare name, from the first of the folders
  // that holds it. Returns whether a skin was loaded; on failure no skin
  // is held.
  bool LoadSkin(const QString& fileName);

  // Gives `window` the loaded skin. Returns false, changing nothing, when
  // no skin is loaded.
  bool ApplySkin(QWidget* window) const;

  bool loaded() const { return !styleSheet_.isEmpty(); }

 private:
  QStringList folders_;
  QString styleSheet_;
};

}  // namespace klotix
