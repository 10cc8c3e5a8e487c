#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

namespace klotix {

namespace {
QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon iconOf(int flags) {
  switch (flags & mb::kIconMask) {
    case mb::kIconQuestion:
      return QMessageBox::Question;
    case mb::kIconInformation:
      return QMessageBox::Information;
    case 0x10:
      return QMessageBox::Critical;
    case mb::kIconWarning:
      return QMessageBox::Warning;
    default:
      return QMessageBox::NoIcon;
  }
}

// A box's own text, in the player's language.
QString shown(const std::string& text) {
  return QCoreApplication::translate(kDialogsContext, text.c_str());
}

// A box's text in the player's language, its arguments filled in one pass,
// so that a name holding "%2" stays as it is.
QString shown(const BoxText& text) {
  const QString translated = QCoreApplication::translate(kDialogsContext, text.text.c_str(), nullptr, text.count);
  QStringList arguments;
  for (const BoxArgument& argument : text.arguments)
    arguments << (argument.marked ? shown(argument.text) : fromUtf8(argument.text));
  switch (arguments.size()) {
    case 0:
      return translated;
    case 1:
      return translated.arg(arguments[0]);
    case 2:
      return translated.arg(arguments[0], arguments[1]);
    default:
      return translated.arg(arguments[0], arguments[1], arguments[2]);
  }
}

QString titleOf(const std::string& title) {
  return title.empty() ? QApplication::applicationDisplayName() : shown(title);
}

// The window a box belongs to: the active one or, while the focus is still
// on its way back from a box that just closed, the visible program window.
QWidget* ownerWindow() {
  const auto isProgramWindow = [](const QWidget* w) {
    return w != nullptr && w->isVisible() && w->windowType() == Qt::Window;
  };
  if (QWidget* active = QApplication::activeWindow(); isProgramWindow(active)) return active;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (isProgramWindow(w)) return w;
  }
  return nullptr;
}

// Boxes have no parent widget, so a skinned window's style sheet does not
// reach them and they keep the platform's look; they still belong to the
// program's window, which keeps them above it and centres them on it.
void belongToOwner(QDialog& box) {
  QWidget* owner = ownerWindow();
  if (owner == nullptr || owner->windowHandle() == nullptr) return;
  box.winId();  // creates the box's native window so that it can have an owner
  box.windowHandle()->setTransientParent(owner->windowHandle());
}
}  // namespace

int QtDialogs::messageBox(const BoxText& text, const std::string& title, int flags, const BoxText& description) {
  QMessageBox box(iconOf(flags), titleOf(title), shown(text));
  if (!description.text.empty()) box.setAccessibleDescription(shown(description));
  belongToOwner(box);
  if (flags & mb::kRtlReading) box.setLayoutDirection(Qt::RightToLeft);

  if ((flags & mb::kButtonsMask) == mb::kYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Without a Cancel button Qt treats Escape and the close box as "No".
    return box.exec() == QMessageBox::Yes ? id::kYes : id::kNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return id::kOk;
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText, int maxLength) {
  QInputDialog box;
  box.setWindowTitle(titleOf(title));
  box.setLabelText(shown(prompt));
  box.setInputMode(QInputDialog::TextInput);
  if (auto* line = box.findChild<QLineEdit*>()) line->setMaxLength(maxLength);
  box.setTextValue(fromUtf8(defaultText));
  belongToOwner(box);
  return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

}  // namespace klotix
