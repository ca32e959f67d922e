#pragma once

#include <QRect>

class QMouseEvent;

namespace zub {

// Tells a click from the mouse events of one control, as a button counts it: a left press followed by a
// left release inside the control. Qt sends no mouse events to a hidden or disabled control, so such a
// control sees no click.
class ClickTracker
{
public:
    void press(QMouseEvent& event);
    // True when this release completes a click; bounds are the control's own, in its coordinates.
    bool release(QMouseEvent& event, const QRect& bounds);

private:
    bool m_pressed = false; // a left press is waiting for its release
};

} // namespace zub
