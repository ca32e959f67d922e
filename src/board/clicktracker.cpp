#include "board/clicktracker.h"

#include <QMouseEvent>

namespace zub {

void ClickTracker::press(QMouseEvent& event)
{
    m_pressed = event.button() == Qt::LeftButton;
    event.accept();
}

bool ClickTracker::release(QMouseEvent& event, const QRect& bounds)
{
    const bool click =
        m_pressed && event.button() == Qt::LeftButton && bounds.contains(event.position().toPoint());
    m_pressed = false;
    event.accept();
    return click;
}

} // namespace zub
