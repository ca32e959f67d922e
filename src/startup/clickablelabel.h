#pragma once

#include "board/clicktracker.h"

#include <QLabel>

namespace zub {

// A label that reports a click: a left press released over it, as a button would.
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
