#pragma once

#include "board/boardcontrols.h"
#include "game/componentflags.h"

#include <QString>

class QWidget;

namespace zub {

class ImageControl;

// Shows the rules' component flags on the board's controls. Only what differs from the controls'
// present state is touched, so showing the board after a click repaints just the controls that click
// changed.
class BoardDisplay
{
public:
    BoardDisplay(QWidget& window, const BoardControls& controls);

    // Copies `board` into the controls. A bitmap resource that cannot be loaded leaves its image as it
    // was; the first such error is thrown as zub::Error after everything else has been shown.
    void show(const ComponentFlags& board);

private:
    void showLabel(BoardLabel* label, const ::zub::Label& flags);
    void showResource(ImageControl* image, QString& shownName, const QString& wantedName, QString& error);

    QWidget& m_window;
    const BoardControls& m_controls;
    QString m_hangmanResource;
    QString m_switchResource;
    QString m_highScoreResource;
};

} // namespace zub
