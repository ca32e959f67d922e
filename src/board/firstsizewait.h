#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

class QWidget;

namespace zub {

// Waits for a window's first real size after it is shown, then calls `sized` once.
//
// A window manager places, decorates and sizes a window before it maps it, or, for some, soon after; until
// the window is on screen its size is the one the program asked for, not the one it got. The wait ends at
// the first check that finds the window exposed and either not maximised, or resized by the window system
// since it was shown, or with its frame filling the screen's work area. The window's show, resizes and
// exposes each ask for a check; a window system that never answers a maximised show with a size of its own
// (one that does not maximise, or maximises to an area narrower than the work area) ends the wait
// `longest` after the first expose.
class FirstSizeWait : public QObject
{
public:
    FirstSizeWait(QWidget& window, std::chrono::milliseconds longest, std::function<void()> sized);

    bool waiting() const { return m_waiting; }
    // Ends the wait if the window has its size now.
    void check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkSoon();
    bool hasItsFirstSize() const;
    void finish();

    QWidget& m_window;
    std::function<void()> m_sized;
    bool m_waiting = true;
    bool m_resizedSinceShown = false; // the window system has resized the window since it was shown
    QTimer m_longest;
};

} // namespace zub
