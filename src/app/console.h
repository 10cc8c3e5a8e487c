// Where the command line's answers go. On Linux and macOS that is the
// terminal's standard output and error. A Windows window program has no
// console of its own: it borrows the one it was started from, and when it
// was started from the desktop, where there is none, its answer is shown in
// a box instead.
#pragma once

#include <QString>

namespace klotix {

enum class ConsoleStream { kOutput, kError };

// Connects standard output and error to a console or to what the starting
// program redirected them to. Returns false when there is nowhere to write:
// a Windows window program started from the desktop. Call once, before any
// writeToConsole.
bool attachToConsole();

// Writes `text` whole to the stream, in a form the console shows right:
// UTF-16 to a Windows console, the local encoding to a terminal, a pipe or
// a file. Flushes, so the text is out before the program ends.
void writeToConsole(ConsoleStream stream, const QString& text);

}  // namespace klotix
