#include "board/clickareacontrol.h"

namespace zub {

ClickAreaControl::ClickAreaControl(QWidget* parent) : QWidget(parent) {}

void ClickAreaControl::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press(*event);
}

void ClickAreaControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.release(*event, rect()))
        Q_EMIT clicked();
}

} // namespace zub
