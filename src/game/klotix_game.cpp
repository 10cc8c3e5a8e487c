#include "game/klotix_game.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

#include "ui/app_identity.h"
#include "ui/beep.h"
#include "ui/design_font.h"
#include "ui/device_pixels.h"
#include "ui/fixed_size.h"
#include "ui/input_hold.h"
#include "ui/twips.h"
#include "ui/virtual_keys.h"

namespace klotix {

namespace {

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// The client area behind the grids: the rounded panel around the preview
// and the three black lines that frame the playfield.
class GameCanvas final : public QWidget {
 public:
  explicit GameCanvas(QWidget* parent) : QWidget(parent) {
    setFixedSize(KlotixGame::clientSize());
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Shape2: solid PREVIEW_COLOR with a black border two pixels wide.
    const QRectF panel = twipRectF(240, 360, 1215, 975).adjusted(1, 1, -1, -1);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(toQColor(PREVIEW_COLOR));
    p.drawRoundedRect(panel, 8, 8);
    // Line1..Line3: two pixels wide, in whole device pixels at every
    // scale, lying against the playfield's outer borders as its cells draw
    // them. The sides run from the top of the playfield down to the bottom
    // line, and the bottom line runs across both sides, so the corners are
    // closed.
    const DevicePixels device(p);
    const QRect field = device.outline(twipRectF(1680, 120, 240 * 9 + 255, 240 * 24 + 255));
    const int width = device.length(2);
    const int left = field.left() - width;
    const int right = field.right() + 1;
    const int bottom = field.bottom() + 1;
    device.fill(QRect(left, field.top(), width, bottom - field.top()), Qt::black);
    device.fill(QRect(right, field.top(), width, bottom - field.top()), Qt::black);
    device.fill(QRect(left, bottom, right + width - left, width), Qt::black);
  }
};

// The cells' places, in twips.
std::vector<QRect> playfieldCells() {
  std::vector<QRect> cells;
  for (int i = 0; i < kPlayfieldCells; ++i) cells.emplace_back(1680 + 240 * (i % 10), 5880 - 240 * (i / 10), 255, 255);
  return cells;
}

std::vector<QRect> previewCells() {
  std::vector<QRect> cells;
  for (int i = 0; i < kPreviewCells; ++i) cells.emplace_back(360 + 240 * (i % 4), 480 + 240 * (i / 4), 255, 255);
  return cells;
}

}  // namespace

KlotixGame::KlotixGame(Klotix_Module& module, RandomSource& random, Dialogs& dialogs,
                       std::function<void()> openMainWindow, QWidget* parent)
    : QMainWindow(parent),
      openMainWindow_(std::move(openMainWindow)),
      timer1_([this] { logic_->Timer1_Timer(); }) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("%1 (%2)").arg(kAppName, kWebAddress));
  // For a screen reader, which cannot see the playfield: the keys.
  setAccessibleDescription(tr("Keys: Left and Right shift the piece, Up turns it, Down drops it, "
                              "P pauses, Ctrl+Q quits the game."));
  createControls();
  createActions();
  createMenus();
  // The window itself takes the keys; none of its controls takes the focus.
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(sizeHint());

  logic_ = std::make_unique<GameLogic>(
      GameParts{*shape1_, *shape3_, *label3_, timer1_, dialogs, *this, module, random});
  logic_->Form_Load();
  // The fall timer is enabled from the start; its first tick comes one
  // interval after the load.
  timer1_.setEnabled(true);
}

KlotixGame::~KlotixGame() { timer1_.setEnabled(false); }

QSize KlotixGame::clientSize() { return twipRect(0, 0, 4200, 6195).size(); }

void KlotixGame::createControls() {
  auto* canvas = new GameCanvas(this);
  setCentralWidget(canvas);

  shape3_ = new CellGridWidget(previewCells(), palette().color(QPalette::WindowText), PREVIEW_COLOR, canvas);
  shape3_->setAccessibleName(tr("Next piece"));
  shape1_ = new CellGridWidget(playfieldCells(), toQColor(PREVIEW_COLOR), EMPTY_COLOR, canvas);
  shape1_->setAccessibleName(tr("Playfield"));

  label3_ = new LabelWidget(tr("Points"), designFont(24), canvas);
  label3_->setGeometry(twipRect(135, 1500, 1305, 585));
  label3_->setAlignment(Qt::AlignCenter);
  label3_->setAutoFillBackground(true);
  QPalette pal = label3_->palette();
  pal.setColor(QPalette::Window, QColor(192, 255, 192));
  pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label3_->setPalette(pal);
  label3_->setFocusPolicy(Qt::NoFocus);
  // The value alone would read as a bare number.
  label3_->setSpokenFormat(tr("Points: %1", "the points display, read aloud: its value"));
}

void KlotixGame::createActions() {
  pause_menu_ = new QAction(tr("&Pause"), this);
  pause_menu_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(pause_menu_, &QAction::triggered, this, [this] { logic_->pause_menu_Click(); });

  // Present, with its shortcut, and deliberately without an action.
  hide_menu_ = new QAction(tr("&Hide"), this);
  hide_menu_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

  quit_menu_ = new QAction(tr("&Quit game"), this);
  quit_menu_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_menu_, &QAction::triggered, this, [this] { logic_->quit_menu_Click(); });
}

void KlotixGame::createMenus() {
  QMenu* options_meni = menuBar()->addMenu(tr("&Options"));
  options_meni->addAction(pause_menu_);
  options_meni->addAction(hide_menu_);
  options_meni->addAction(quit_menu_);
}

void KlotixGame::keyPressEvent(QKeyEvent* event) {
  // A menu shortcut typed on a layout without Latin letters reaches this
  // handler instead of the menu: it acts by its physical keys, and only
  // as the menu item, so Ctrl+P still opens one pause box.
  const QKeySequence typed(latinKeyCombinationOf(*event));
  for (QAction* item : {pause_menu_, hide_menu_, quit_menu_}) {
    if (item->shortcut() == typed) {
      item->trigger();
      return;
    }
  }
  // Auto-repeated presses act like single ones. A Latin Ctrl+P never gets
  // here: the Pause item's shortcut takes that keystroke first.
  logic_->Form_KeyDown(virtualKeyOf(*event), shiftStateOf(*event));
}

void KlotixGame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void KlotixGame::Form_Resize() { restoreFixedSize(*this, minimumSize()); }

void KlotixGame::beep() { klotix::beep(); }

void KlotixGame::holdInput(int milliseconds) { klotix::holdInput(milliseconds); }

void KlotixGame::openMainWindow() {
  if (openMainWindow_) openMainWindow_();
}

void KlotixGame::closeGameWindow() { close(); }

}  // namespace klotix
