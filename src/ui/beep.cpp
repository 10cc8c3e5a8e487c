#include "ui/beep.h"

#include <QApplication>

namespace klotix {

void beep() { QApplication::beep(); }

}  // namespace klotix
