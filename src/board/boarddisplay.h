#pragma once

#include "board/boardcontrols.h"
#include "game/componentflags.h"

#include <QString>
#include <vector>

class QWidget;

namespace zub {

// Shows the rules' component flags on the board's controls. Only what differs from the controls'
// present state is touched, so showing the board after a click repaints just the controls that click
// changed.
class BoardDisplay
{
public:
    BoardDisplay(QWidget& window, const BoardControls& controls);

    // Copies `flags` into the controls. A bitmap resource that cannot be loaded leaves its image as it
    // was; the first such error is thrown as zub::Error after everything else has been shown.
    void show(const ComponentFlags& flags);

private:
    QWidget& m_window;
    const BoardControls& m_controls;
    std::vector<QString> m_shownResource; // for each shown control, the bitmap resource it shows
};

} // namespace zub
