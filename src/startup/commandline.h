#pragma once

#include <optional>

namespace zub {

// What the command line asks for before the game opens a window. --help and --version are answered on
// standard output; any other option or argument is refused on standard error; a start with no display
// to show the board on ends with one line that says how to get one. None of this needs a display.
// Returns the exit status when the program ends here, nothing when the game is to start.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

// Lives while the application object is made. A display that is set but cannot be reached (a stale
// DISPLAY, a WAYLAND_DISPLAY naming no socket) then ends the program with one line naming it and status
// 1, where Qt would print its own advice and abort with a core dump. The messages Qt gives meanwhile are
// held back, and passed on as they came once the display was reached.
class UnreachableDisplayGuard
{
public:
    UnreachableDisplayGuard();
    ~UnreachableDisplayGuard();

    UnreachableDisplayGuard(const UnreachableDisplayGuard&) = delete;
    UnreachableDisplayGuard& operator=(const UnreachableDisplayGuard&) = delete;
};

} // namespace zub
