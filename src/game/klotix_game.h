// The game window: the playfield, the preview of the next piece, the points
// and the Options menu. It owns the game logic and turns Qt's key, menu,
// timer and resize events into calls of the logic's handlers.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "game/game_host.h"
#include "game/game_logic.h"
#include "ui/cell_grid_widget.h"
#include "ui/label_widget.h"
#include "ui/qt_timer.h"

class QAction;

namespace klotix {

class KlotixGame final : public QMainWindow, private GameHost {
  Q_OBJECT  // for tr(): its texts are translated in this class's context

 public:
  // Starts a new game at module.speed as soon as it is constructed.
  // `openMainWindow` is called when the game is over, just before this
  // window closes. The window deletes itself when closed.
  KlotixGame(Klotix_Module& module, RandomSource& random, Dialogs& dialogs,
             std::function<void()> openMainWindow, QWidget* parent = nullptr);
  ~KlotixGame() override;

  // Controls, for tests
  CellGridWidget& Shape1() { return *shape1_; }
  CellGridWidget& Shape3() { return *shape3_; }
  LabelWidget& Label3() { return *label3_; }
  QtTimer& Timer1() { return timer1_; }
  QAction* pauseMenu() const { return pause_menu_; }
  QAction* hideMenu() const { return hide_menu_; }
  QAction* quitMenu() const { return quit_menu_; }
  GameLogic& logic() { return *logic_; }

  // Client-area size in logical pixels: 4200 x 6195 twips.
  static QSize clientSize();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createControls();
  void createActions();
  void createMenus();
  void Form_Resize();

  // GameHost
  void beep() override;
  void holdInput(int milliseconds) override;
  void openMainWindow() override;
  void closeGameWindow() override;

  std::function<void()> openMainWindow_;
  CellGridWidget* shape1_ = nullptr;
  CellGridWidget* shape3_ = nullptr;
  LabelWidget* label3_ = nullptr;
  QtTimer timer1_;
  QAction* pause_menu_ = nullptr;
  QAction* hide_menu_ = nullptr;
  QAction* quit_menu_ = nullptr;
  std::unique_ptr<GameLogic> logic_;
};

}  // namespace klotix
