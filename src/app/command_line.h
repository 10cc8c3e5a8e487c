// Klotix's command line: --help and --version, and a clear refusal of
// anything else. The game itself takes no arguments.
#pragma once

namespace klotix {

// Answers a command line that has arguments, without opening a window or
// needing a display: prints the help or the version on stdout and returns
// 0, or prints what is wrong and a hint to --help on stderr and returns 2.
// Requires argc > 1 and the application's name and version to be set.
int answerCommandLine(int argc, char* argv[]);

}  // namespace klotix
