#pragma once

#include "startup/application.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace zub::bench {

// The game's application object with a clock on its event delivery.
//
// Every event of the game passes through notify, so this sees, without touching the game, when a mouse
// button reaches a control, when its handling ends and when a paint of the board ends. A paint "ends"
// when the outermost event delivery that painted returns: by then the window's whole backing store has
// been painted and flushed to the display.
class BenchApplication : public Application
{
public:
    using Application::Application;

    // Times the next press and release that reach target.
    void watchClicksOn(QWidget* target);
    // Counts only paints of widgets for which counts answers true (all paints when it is empty).
    void setPaintFilter(std::function<bool(QWidget*)> counts);
    // Forgets the paints seen so far: paintEnded() turns true at the end of the next counted paint.
    void awaitPaint();

    bool paintEnded() const { return m_paintEnded; }
    double pressedAt() const { return m_pressedAt; }   // start of the press's delivery
    double releasedAt() const { return m_releasedAt; } // start of the release's delivery
    double handledAt() const { return m_handledAt; }   // end of the release's delivery
    double paintEndedAt() const { return m_paintEndedAt; }

    // Writes every event delivery that takes longer than seconds to standard error (0: none).
    void traceDeliveriesOver(double seconds) { m_traceOver = seconds; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    double m_traceOver = 0;
    QPointer<QWidget> m_clickTarget;
    std::function<bool(QWidget*)> m_paintCounts;
    int m_depth = 0;
    bool m_paintedInDelivery = false;
    bool m_paintEnded = false;
    double m_pressedAt = 0;
    double m_releasedAt = 0;
    double m_handledAt = 0;
    double m_paintEndedAt = 0;
};

} // namespace zub::bench
