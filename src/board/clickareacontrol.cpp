#include "board/clickareacontrol.h"

#include <QMouseEvent>

namespace zub {

ClickAreaControl::ClickAreaControl(QWidget* parent) : QWidget(parent) {}

void ClickAreaControl::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickAreaControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

} // namespace zub
