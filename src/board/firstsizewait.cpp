#include "board/firstsizewait.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace zub {

namespace {

// How far a maximised window's frame may stand over the work area's edge, or stop short of it: window
// managers draw the frame's border inside or outside the work area as they please.
constexpr int kFrameSlack = 8;

} // namespace

FirstSizeWait::FirstSizeWait(QWidget& window, std::chrono::milliseconds longest, std::function<void()> sized)
    : m_window(window), m_sized(std::move(sized))
{
    m_longest.setSingleShot(true);
    m_longest.setInterval(longest);
    connect(&m_longest, &QTimer::timeout, this, [this] {
        if (m_waiting && !m_window.isHidden())
            finish();
    });
    m_window.installEventFilter(this);
}

void FirstSizeWait::check()
{
    if (m_waiting && hasItsFirstSize())
        finish();
}

bool FirstSizeWait::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_waiting)
        return false;
    if (watched == &m_window && event->type() == QEvent::Show) {
        if (QWindow* window = m_window.windowHandle())
            window->installEventFilter(this);
        m_resizedSinceShown = false;
        checkSoon();
    } else if (watched == &m_window && event->type() == QEvent::Resize && m_window.isVisible()) {
        m_resizedSinceShown = true;
        checkSoon();
    } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose) {
        if (!m_longest.isActive() && m_window.windowHandle()->isExposed())
            m_longest.start();
        checkSoon();
    }
    return false;
}

void FirstSizeWait::checkSoon()
{
    // Queued, so that the window system's pending size changes arrive first.
    QMetaObject::invokeMethod(this, &FirstSizeWait::check, Qt::QueuedConnection);
}

bool FirstSizeWait::hasItsFirstSize() const
{
    const QWindow* window = m_window.windowHandle();
    if (m_window.isHidden() || !window || !window->isExposed())
        return false;
    if (!(m_window.windowState() & Qt::WindowMaximized) || m_resizedSinceShown)
        return true;
    const QScreen* shown = m_window.screen();
    if (!shown)
        return true;
    const QRect workArea = shown->availableGeometry();
    const QRect frame = m_window.frameGeometry();
    const QMargins slack(kFrameSlack, kFrameSlack, kFrameSlack, kFrameSlack);
    return frame.contains(workArea - slack) && (workArea + slack).contains(frame);
}

void FirstSizeWait::finish()
{
    m_longest.stop();
    m_waiting = false;
    m_window.removeEventFilter(this);
    if (QWindow* window = m_window.windowHandle())
        window->removeEventFilter(this);
    m_sized();
}

} // namespace zub
