#include <cstdio>

#include "app/console.h"

namespace klotix {

bool attachToConsole() { return true; }

void writeToConsole(ConsoleStream stream, const QString& text) {
  std::FILE* file = stream == ConsoleStream::kOutput ? stdout : stderr;
  std::fputs(text.toLocal8Bit().constData(), file);
  std::fflush(file);
}

}  // namespace klotix
