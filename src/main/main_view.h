// What the main window's logic asks of its window: the caption, the skin,
// the record lists, the level buttons, and switching to the game or ending
// the program. The Qt main window implements it; tests use a fake.
#pragma once

#include <cstdint>
#include <string>

namespace klotix {

class MainView {
 public:
  virtual ~MainView() = default;

  virtual void setCaption(const std::string& caption) = 0;

  // The skin: load the named skin file, then apply it to the window. Both
  // fail silently, leaving the window's plain look.
  virtual void loadSkin(const std::string& fileName) = 0;
  virtual void applySkin() = 0;

  // Adds a row to the record lists of level index 0..2: the points to the
  // narrow list on the left, the name to the wide list on the right.
  virtual void addRecordRow(int levelIndex, std::int32_t points, const std::string& name) = 0;

  // Selects row `row` (from 0) of the record lists of level index 0..2 and
  // scrolls it into view.
  virtual void selectRecordRow(int levelIndex, int row) = 0;

  // Selects option button 0..2 ("Level 1".."Level 3").
  virtual void selectLevelButton(int index) = 0;

  virtual void openGameWindow() = 0;  // not modal; its load starts a game
  virtual void closeMainWindow() = 0; // closed, not hidden
  virtual void endProgram() = 0;      // at once; no further handler runs
};

}  // namespace klotix
