#include "ui/option_group.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace klotix {

namespace {

// Qt moves between option buttons only towards a button that lies in the
// arrow's direction, and never wraps; this takes their arrow keys instead.
class ArrowKeys final : public QObject {
 public:
  ArrowKeys(std::span<QRadioButton* const> buttons, QObject* parent)
      : QObject(parent), buttons_(buttons.begin(), buttons.end()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    int step = 0;
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Left:
        step = -1;
        break;
      case Qt::Key_Down:
      case Qt::Key_Right:
        step = 1;
        break;
      default:
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(buttons_.size());
    const std::ptrdiff_t at = std::find(buttons_.begin(), buttons_.end(), watched) - buttons_.begin();
    QRadioButton* next = buttons_[static_cast<std::size_t>((at + step + count) % count)];
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->click();
    return true;
  }

 private:
  std::vector<QRadioButton*> buttons_;
};

}  // namespace

void groupOptionButtons(std::span<QRadioButton* const> buttons) {
  if (buttons.empty()) return;
  auto* keys = new ArrowKeys(buttons, buttons.front());
  for (QRadioButton* button : buttons) {
    button->installEventFilter(keys);
    // Only the checked button is a tab stop; the others still take the
    // focus when clicked.
    const auto tabStop = [button](bool checked) { button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); };
    tabStop(button->isChecked());
    QObject::connect(button, &QRadioButton::toggled, button, tabStop);
  }
}

}  // namespace klotix
