// What a screen reader reads of Klotix's own widgets, for which Qt's own
// interfaces read too little: the record lists row by row, the cell grids
// as pictures, and a top-level window as a frame with its title.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace klotix {

// Gives Qt the interfaces of Klotix's widgets. Call once at start, before
// any window opens (the program's main() and the tests' do).
void installAccessibleFactory();

// The factory itself: the interface of `object` when `className`, one of
// the classes of its class chain, is one of Klotix's, else nullptr.
QAccessibleInterface* klotixAccessible(const QString& className, QObject* object);

}  // namespace klotix
