#pragma once

#include <X11/Xlib.h>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace zub::bench {

// Watches the X server's root window for top-level windows being mapped, and clicks like a player.
//
// It selects SubstructureNotify on the root window, so a MapNotify arrives for every top-level window
// the moment the server maps it; each is told apart by the process that owns it (_NET_WM_PID).
class XWatcher
{
public:
    XWatcher(); // connects to $DISPLAY; throws std::runtime_error when it cannot
    ~XWatcher();
    XWatcher(const XWatcher&) = delete;
    XWatcher& operator=(const XWatcher&) = delete;

    int screenWidth() const;
    int screenHeight() const;

    struct Mapped
    {
        Window window = 0;
        double at = 0; // monotonic seconds when the MapNotify was read
    };

    // Waits up to timeout seconds for a window of process pid, other than `except`, to be mapped.
    // keepWaiting is asked between events and ends the wait early when it answers false (the process
    // has died).
    std::optional<Mapped> waitForMap(pid_t pid, Window except, double timeout,
                                     const std::function<bool()>& keepWaiting);

    // Waits up to timeout seconds for any pixel of the screen's rectangle other than black, looking every
    // millisecond; returns the monotonic seconds when it was seen. The intro's movie panel is black until
    // the movie's first picture is painted into it.
    std::optional<double> waitForPicture(int x, int y, int width, int height, double timeout);

    // Moves the pointer to (x, y) and clicks the left button, through the server's test extension when
    // it is at hand, else through xdotool. Returns the moment the click was sent.
    double click(int x, int y);

private:
    pid_t ownerOf(Window window);

    Display* m_display = nullptr;
    Atom m_wmPid = 0;
    void* m_xtest = nullptr; // the test extension's client library, opened at run time
};

} // namespace zub::bench
