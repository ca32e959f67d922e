#pragma once

#include "board/clicktracker.h"

#include <QLabel>

namespace zub {

// A label that reports a click: a left press released over it, as a button would, only while it is visible
// and enabled. Without text or picture it draws nothing: the board's click areas over the backdrop.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker m_clicks;
};

} // namespace zub
