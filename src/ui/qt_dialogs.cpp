#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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

QString titleOf(const std::string& title) {
  return title.empty() ? QApplication::applicationDisplayName() : fromUtf8(title);
}
}  // namespace

int QtDialogs::messageBox(const std::string& text, const std::string& title, int flags) {
  QMessageBox box(iconOf(flags), titleOf(title), fromUtf8(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
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
                                const std::string& defaultText) {
  bool accepted = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOf(title), fromUtf8(prompt),
                                             QLineEdit::Normal, fromUtf8(defaultText), &accepted);
  return accepted ? text.toStdString() : std::string();
}

}  // namespace klotix
