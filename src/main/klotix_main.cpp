#include "main/klotix_main.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "ui/design_font.h"
#include "ui/fit_text.h"
#include "ui/fixed_size.h"
#include "ui/list_box.h"
#include "ui/list_pair.h"
#include "ui/option_group.h"
#include "ui/twips.h"

namespace klotix {

namespace {

// The window's design font and the buttons', in points.
constexpr double kWindowPoints = 8.25;
constexpr double kExitPoints = 9.75;
constexpr double kStartPoints = 14.25;

// Level captions, record headings and list colours, level 1..3.
struct LevelLook {
  const char* option;
  const char* heading;
  int headingLeft;
  int headingWidth;
  const char* listColor;
};
// The texts are shown through tr().
constexpr std::array<LevelLook, 3> kLevelLooks = {{
    {QT_TRANSLATE_NOOP("klotix::KlotixMain", "Level 1"), QT_TRANSLATE_NOOP("klotix::KlotixMain", "Slow"), 300, 330,
     "rgb(192, 255, 255)"},
    {QT_TRANSLATE_NOOP("klotix::KlotixMain", "Level 2"), QT_TRANSLATE_NOOP("klotix::KlotixMain", "Medium"), 2580, 540,
     "rgb(192, 192, 255)"},
    {QT_TRANSLATE_NOOP("klotix::KlotixMain", "Level 3"), QT_TRANSLATE_NOOP("klotix::KlotixMain", "Quick"), 4860, 390,
     "rgb(128, 128, 255)"},
}};

// Widens `widget` to what its text needs, keeping its place: the design
// font may be missing and the stand-in be wider.
void widenToText(QWidget* widget) {
  widget->ensurePolished();
  const int needed = widget->sizeHint().width();
  if (widget->width() < needed) widget->resize(needed, widget->height());
}

}  // namespace

KlotixMain::KlotixMain(Klotix_Module& module, RandomSource& random, Dialogs& dialogs, const QStringList& dataFolders,
                       std::function<void()> openGame, std::function<void()> endProgram, QWidget* parent)
    : FramedWindow(parent), openGame_(std::move(openGame)), endProgram_(std::move(endProgram)), Skin1_(dataFolders) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("KlotixMain"));  // the skin styles the window by this name
  setAttribute(Qt::WA_StyledBackground);
  setFont(designFont(kWindowPoints));
  createButtons();
  createRecordFrame();
  setTabOrder();
  setFixedSize(clientSize());
  // The first list has the focus at opening.
  List1_[0]->setFocus();

  logic_ = std::make_unique<MainLogic>(MainParts{*this, dialogs, module, random, secondsSinceMidnight});
  logic_->Form_Load();
  // After the skin, so the widths fit the look the texts are shown in. The
  // buttons cannot grow: a caption too long for them is fitted instead.
  for (QWidget* widget : Label2_) widenToText(widget);
  for (QWidget* widget : Option_Level_) widenToText(widget);
  fitButtonText(*Command_Exit_, designFont(kExitPoints));
  fitButtonText(*Command_Start_, designFont(kStartPoints));
}

QSize KlotixMain::clientSize() { return twipRect(0, 0, 7245, 5055).size(); }

void KlotixMain::createButtons() {
  Command_Exit_ = new QPushButton(tr("End"), this);
  Command_Exit_->setFont(designFont(kExitPoints));
  Command_Exit_->setGeometry(twipRect(180, 120, 975, 615));
  // Return presses a push button that has the focus, as Space does.
  Command_Exit_->setAutoDefault(true);
  connect(Command_Exit_, &QPushButton::clicked, this, [this] { logic_->Command_Exit_Click(); });

  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(tr(kLevelLooks[static_cast<std::size_t>(i)].option), this);
    option->setGeometry(twipRect(1260, 180 + 540 * i, 2235, 315));
    connect(option, &QRadioButton::clicked, this, [this, i] { logic_->Option_Level_Click(i); });
    Option_Level_[static_cast<std::size_t>(i)] = option;
  }
  // As designed; the load steps then select the level in force.
  Option_Level_[0]->setChecked(true);
  groupOptionButtons(Option_Level_);

  Command_Start_ = new QPushButton(tr("&Start new game"), this);
  Command_Start_->setFont(designFont(kStartPoints));
  Command_Start_->setGeometry(twipRect(4380, 120, 2715, 1515));
  Command_Start_->setAutoDefault(true);
  connect(Command_Start_, &QPushButton::clicked, this, [this] { logic_->Command_Start_Click(); });
}

void KlotixMain::createRecordFrame() {
  Record_ = new QGroupBox(tr("Record"), this);
  Record_->setGeometry(twipRect(120, 1740, 7035, 3255));
  for (std::size_t i = 0; i < 3; ++i) {
    const LevelLook& look = kLevelLooks[i];
    const int offset = 2280 * static_cast<int>(i);

    auto* heading = new QLabel(tr(look.heading), Record_);
    heading->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128); background: transparent;"));
    // A widget with a style sheet of its own takes the application's font,
    // not its window's, once the window has a style sheet too (the skin).
    heading->setFont(designFont(kWindowPoints));
    heading->setGeometry(twipRect(look.headingLeft, 300, look.headingWidth, 195));
    Label2_[i] = heading;

    const QString listStyle = QStringLiteral("QListWidget { background: %1; color: black; }").arg(look.listColor);
    List1_[i] = new ListBox(Record_);
    List1_[i]->setGeometry(twipRect(300 + offset, 540, 735, 2595));
    List2_[i] = new ListBox(Record_);
    List2_[i]->setGeometry(twipRect(1020 + offset, 540, 1215, 2595));
    for (QListWidget* list : {List1_[i], List2_[i]}) {
      list->setStyleSheet(listStyle);
      list->setFont(designFont(kWindowPoints));  // as the heading's
      list->setSortingEnabled(false);
    }
    pairLists(List1_[i], List2_[i]);
    // A screen reader finds no caption on a list: each is named by its
    // level and what it holds.
    const QString level = tr(look.heading);
    List1_[i]->setAccessibleName(tr("%1, points", "a record list, read aloud: its level, what it holds").arg(level));
    List2_[i]->setAccessibleName(tr("%1, names", "a record list, read aloud: its level, what it holds").arg(level));
  }
}

void KlotixMain::setTabOrder() {
  // By the tab indices: the lists 0..5, Start 10, End 11, the level
  // buttons 12..14 (of which Tab stops only at the selected one).
  QWidget* order[] = {List1_[0], List2_[0],        List1_[1],        List2_[1],        List1_[2],       List2_[2],
                      Command_Start_, Command_Exit_, Option_Level_[0], Option_Level_[1], Option_Level_[2]};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void KlotixMain::showEvent(QShowEvent* event) {
  FramedWindow::showEvent(event);
  // The focus is marked from the start, as after a Tab, so the player sees
  // where keys go. Showing a window clears this, so it is set here.
  setAttribute(Qt::WA_KeyboardFocusChange);
}

void KlotixMain::resizeEvent(QResizeEvent* event) {
  FramedWindow::resizeEvent(event);
  Form_Resize();
}

void KlotixMain::Form_Resize() { restoreFixedSize(*this, clientSize()); }

void KlotixMain::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void KlotixMain::loadSkin(const std::string& fileName) { Skin1_.LoadSkin(QString::fromStdString(fileName)); }

void KlotixMain::applySkin() { Skin1_.ApplySkin(this); }

void KlotixMain::addRecordRow(int levelIndex, std::int32_t points, const std::string& name) {
  const auto i = static_cast<std::size_t>(levelIndex);
  const QString shownPoints = QString::number(points);
  const QString shownName = QString::fromStdString(name);
  // Either half of a row is read as the whole record, "1 point" or "2
  // points" as the language counts.
  addPairedRow(List1_.at(i), List2_.at(i), shownPoints, shownName,
               tr("%1, %2 points", "a record, read aloud: the name, the points", pluralCount(points))
                   .arg(shownName, shownPoints));
}

void KlotixMain::selectRecordRow(int levelIndex, int row) {
  const auto i = static_cast<std::size_t>(levelIndex);
  selectPairedRow(List1_.at(i), List2_.at(i), row);
}

void KlotixMain::selectLevelButton(int index) { Option_Level_.at(static_cast<std::size_t>(index))->setChecked(true); }

void KlotixMain::openGameWindow() {
  if (openGame_) openGame_();
}

void KlotixMain::closeMainWindow() { close(); }

void KlotixMain::endProgram() {
  if (endProgram_) endProgram_();
}

}  // namespace klotix
