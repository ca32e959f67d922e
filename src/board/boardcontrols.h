#pragma once

#include "board/windowdefinition.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace zub {

// A control, menu item or timer of the board together with the flag of the rules that it shows.
struct ShownControl
{
    QObject* control;
    ShownFlag flag;
};

// The board as BuildBoard made it. The window owns every control through Qt parenthood; this only points
// at them.
struct BoardControls
{
    QWidget* clientArea = nullptr;
    std::vector<QWidget*> controls;  // one for each row of MainControls(), in its order
    std::vector<ShownControl> shown; // everything that shows a flag, in the order of its definition
    std::array<QWidget*, kCues.size()> movieScreens{}; // by cue: the panel its movie is drawn into, if any
};

// Where the board reports what the player and its timers do.
struct BoardEvents
{
    std::function<void(GameHandler)> handle;            // a click, menu choice or tick for the rules
    std::function<void()> exit;                         // File > Exit
    std::function<void(const QString& text)> nameTyped; // the player changed the name field's text
};

} // namespace zub
