#include "board/clickablelabel.h"

namespace zub {

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press(*event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.release(*event, rect()))
        Q_EMIT clicked();
}

} // namespace zub
