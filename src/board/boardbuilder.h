#pragma once

#include "board/boardcontrols.h"
#include "board/windowdefinition.h"

#include <functional>

class QMainWindow;

namespace zub {

// Builds the board from its window definition: every control in the window's client area, the menu in
// its menu bar and the timers, each named after its component. Every click, menu choice and timer tick
// that has a rules handler is reported through `onEvent` with that handler.
//
// Throws zub::Error when a stored picture cannot be loaded or the definition names a control it lacks.
BoardControls BuildBoard(QMainWindow& window, const std::function<void(GameHandler)>& onEvent);

} // namespace zub
