#pragma once

#include <optional>

namespace zub {

// What the command line asks for before the game opens a window. --help and --version are answered on
// standard output; any other option or argument is refused on standard error; a start with no display
// to show the board on ends with one line that says how to get one. None of this needs a display.
// Returns the exit status when the program ends here, nothing when the game is to start.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

} // namespace zub
