// Message and input boxes with Qt's standard dialogs, in the language of
// the application's installed translators.
#pragma once

#include "ui/dialogs.h"

namespace klotix {

class QtDialogs final : public Dialogs {
 public:
  // Translates with QCoreApplication::translate in kDialogsContext. Maps
  // the button and icon flags to QMessageBox; the right-to-left reading
  // request lays the box out right to left.
  int messageBox(const BoxText& text, const std::string& title, int flags, const BoxText& description) override;
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                       int maxLength) override;
};

}  // namespace klotix
