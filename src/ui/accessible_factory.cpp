#include "ui/accessible_factory.h"

#include <QAccessibleWidget>

#include "ui/list_box.h"
#include "ui/list_box_accessible.h"

namespace klotix {

void installAccessibleFactory() { QAccessible::installFactory(klotixAccessible); }

QAccessibleInterface* klotixAccessible(const QString& className, QObject* object) {
  // Qt asks for the object's own class first, then for each base class:
  // the name tells what the object is.
  if (className == QLatin1String("klotix::ListBox")) return listBoxAccessible(static_cast<ListBox*>(object));
  // A grid is read as a picture, by its accessible name, not as an
  // anonymous filler.
  if (className == QLatin1String("klotix::CellGridWidget"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  // A plain QWidget as a window is a filler to AT-SPI and a pane to UI
  // Automation: as a frame it is named by its title and announced when it
  // opens.
  if (className == QLatin1String("klotix::FramedWindow"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  return nullptr;
}

}  // namespace klotix
