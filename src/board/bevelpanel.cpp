#include "board/bevelpanel.h"

#include <QPainter>

namespace zub {

namespace {

const QColor kHighlight(255, 255, 255); // the lit edge of a bevel
const QColor kShadow(128, 128, 128);    // the shaded edge of a bevel

// Draws `width` nested one-pixel frames just inside `frame`, light or dark by the bevel, and returns the
// rectangle left inside them. The dark colour owns the top-right and bottom-left corners.
QRect drawBevel(QPainter& painter, QRect frame, Bevel bevel, int width)
{
    if (bevel == Bevel::None)
        return frame;
    const QColor& topLeft = bevel == Bevel::Raised ? kHighlight : kShadow;
    const QColor& bottomRight = bevel == Bevel::Raised ? kShadow : kHighlight;
    for (int step = 0; step < width && frame.width() > 0 && frame.height() > 0; ++step) {
        painter.fillRect(QRect(frame.left(), frame.top(), frame.width() - 1, 1), topLeft);
        painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height() - 1), topLeft);
        painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), bottomRight);
        painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), bottomRight);
        frame.adjust(1, 1, -1, -1);
    }
    return frame;
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void BevelPanel::setBevels(Bevel outer, Bevel inner, int width)
{
    m_outer = outer;
    m_inner = inner;
    m_bevelWidth = width;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    const QRect insideOuter = drawBevel(painter, rect(), m_outer, m_bevelWidth);
    drawBevel(painter, insideOuter, m_inner, m_bevelWidth);
}

} // namespace zub
