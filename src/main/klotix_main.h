// The main window: level choice, the record lists of the three levels, and
// the buttons to start a game and to end the program. It owns the main
// window's logic and turns Qt's events into calls of its handlers.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "main/main_logic.h"
#include "main/main_view.h"
#include "ui/framed_window.h"
#include "ui/skin.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace klotix {

class KlotixMain final : public FramedWindow, private MainView {
  Q_OBJECT  // for tr(): its texts are translated in this class's context

 public:
  // Runs the load steps at once. The skin is looked for in `dataFolders`,
  // first first. `openGame` opens the game window; `endProgram` ends the
  // run. The window deletes itself when closed.
  KlotixMain(Klotix_Module& module, RandomSource& random, Dialogs& dialogs, const QStringList& dataFolders,
             std::function<void()> openGame, std::function<void()> endProgram, QWidget* parent = nullptr);

  // Controls, for tests
  QPushButton* Command_Start() const { return Command_Start_; }
  QPushButton* Command_Exit() const { return Command_Exit_; }
  QRadioButton* Option_Level(int index) const { return Option_Level_.at(static_cast<std::size_t>(index)); }
  QListWidget* List1(int index) const { return List1_.at(static_cast<std::size_t>(index)); }
  QListWidget* List2(int index) const { return List2_.at(static_cast<std::size_t>(index)); }
  QGroupBox* Record() const { return Record_; }
  QLabel* Label2(int index) const { return Label2_.at(static_cast<std::size_t>(index)); }
  const Skin& skin() const { return Skin1_; }
  MainLogic& logic() { return *logic_; }

  // Client-area size in logical pixels: 7245 x 5055 twips.
  static QSize clientSize();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createButtons();
  void createRecordFrame();
  void setTabOrder();
  void Form_Resize();

  // MainView
  void setCaption(const std::string& caption) override;
  void loadSkin(const std::string& fileName) override;
  void applySkin() override;
  void addRecordRow(int levelIndex, std::int32_t points, const std::string& name) override;
  void selectRecordRow(int levelIndex, int row) override;
  void selectLevelButton(int index) override;
  void openGameWindow() override;
  void closeMainWindow() override;
  void endProgram() override;

  std::function<void()> openGame_;
  std::function<void()> endProgram_;
  QPushButton* Command_Exit_ = nullptr;
  QPushButton* Command_Start_ = nullptr;
  std::array<QRadioButton*, 3> Option_Level_{};
  QGroupBox* Record_ = nullptr;
  std::array<QLabel*, 3> Label2_{};
  std::array<QListWidget*, 3> List1_{};
  std::array<QListWidget*, 3> List2_{};
  Skin Skin1_;
  std::unique_ptr<MainLogic> logic_;
};

}  // namespace klotix
