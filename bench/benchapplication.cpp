#include "benchapplication.h"

#include "processfigures.h"

#include <QThread>
#include <cstdio>
#include <utility>

namespace zub::bench {

void BenchApplication::watchClicksOn(QWidget* target)
{
    m_clickTarget = target;
    m_pressedAt = m_releasedAt = m_handledAt = 0;
}

void BenchApplication::setPaintFilter(std::function<bool(QWidget*)> counts)
{
    m_paintCounts = std::move(counts);
}

void BenchApplication::awaitPaint()
{
    m_paintEnded = false;
    m_paintEndedAt = 0;
}

bool BenchApplication::notify(QObject* receiver, QEvent* event)
{
    // The movie thread delivers its own events: only the game's thread is timed, and only it touches the
    // clock's state.
    if (QThread::currentThread() != thread())
        return Application::notify(receiver, event);
    const QEvent::Type type = event->type();
    const bool onTarget = m_clickTarget && receiver == m_clickTarget.data();
    if (onTarget && type == QEvent::MouseButtonPress)
        m_pressedAt = MonotonicSeconds();
    else if (onTarget && type == QEvent::MouseButtonRelease)
        m_releasedAt = MonotonicSeconds();
    if (type == QEvent::Paint && receiver->isWidgetType() &&
        (!m_paintCounts || m_paintCounts(static_cast<QWidget*>(receiver))))
        m_paintedInDelivery = true;

    const double deliveredAt = m_traceOver > 0 ? MonotonicSeconds() : 0;
    ++m_depth;
    bool result = false;
    try {
        result = Application::notify(receiver, event);
    } catch (...) {
        --m_depth;
        throw;
    }
    --m_depth;
    if (m_traceOver > 0 && MonotonicSeconds() - deliveredAt > m_traceOver)
        std::fprintf(stderr, "slow delivery: %s, event %d to %s \"%s\" at depth %d\n",
                     Milliseconds(MonotonicSeconds() - deliveredAt).c_str(), int(type),
                     receiver->metaObject()->className(), qUtf8Printable(receiver->objectName()), m_depth);

    if (onTarget && type == QEvent::MouseButtonRelease)
        m_handledAt = MonotonicSeconds();
    if (m_depth == 0 && m_paintedInDelivery) {
        m_paintedInDelivery = false;
        if (!m_paintEnded) {
            m_paintEnded = true;
            m_paintEndedAt = MonotonicSeconds();
        }
    }
    return result;
}

} // namespace zub::bench
