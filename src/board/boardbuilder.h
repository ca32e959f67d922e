#pragma once

#include "board/boardcontrols.h"

class QMainWindow;

namespace zub {

// Builds the board from its window definition: every control in the window's client area, the menu in
// its menu bar and the timers, each named after its component. Every click, menu choice and timer tick
// is reported through `events`. The controls show nothing of the rules' flags until the first
// BoardDisplay::show: timers stand still and every control is shown.
//
// Throws zub::Error when a stored picture cannot be loaded or the definition names a parent it lacks.
BoardControls BuildBoard(QMainWindow& window, const BoardEvents& events);

} // namespace zub
