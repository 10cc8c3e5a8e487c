// The main window's skin: a Qt style sheet kept in a skin file. Loading and
// applying both fail silently when the file is missing or unreadable, and
// the window then keeps its plain look.
#pragma once

#include <QString>

class QWidget;

namespace klotix {

class Skin {
 public:
  // Reads skin file `fileName`, a bare name, from the executable's folder
  // (a build tree, a portable copy) or else from ../share/klotix beside
  // it (an installation under any prefix). Returns whether a skin was
  // loaded; on failure no skin is held.
  bool LoadSkin(const QString& fileName);

  // Gives `window` the loaded skin. Returns false, changing nothing, when
  // no skin is loaded.
  bool ApplySkin(QWidget* window) const;

  bool loaded() const { return !styleSheet_.isEmpty(); }

 private:
  QString styleSheet_;
};

}  // namespace klotix
