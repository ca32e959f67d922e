#pragma once

#include "board/clicktracker.h"

#include <QWidget>

namespace zub {

// An invisible click area over a picture of the backdrop. It draws nothing; it reports a click (a left
// press and release both inside it) only while it is visible and enabled.
class ClickAreaControl : public QWidget
{
    Q_OBJECT

public:
    explicit ClickAreaControl(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker m_clicks;
};

} // namespace zub
