#include "xwatcher.h"

#include "processfigures.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <cstdlib>
#include <dlfcn.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace zub::bench {

namespace {

// The two calls of the test extension's client library that the click needs. The library is opened at
// run time so that the benchmark builds where only its run-time part is installed.
using FakeMotion = int (*)(Display*, int screen, int x, int y, unsigned long delay);
using FakeButton = int (*)(Display*, unsigned int button, Bool press, unsigned long delay);

} // namespace

XWatcher::XWatcher() : m_display(XOpenDisplay(nullptr))
{
    if (!m_display)
        throw std::runtime_error("cannot connect to the X display");
    m_wmPid = XInternAtom(m_display, "_NET_WM_PID", False);
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
    m_xtest = dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
}

XWatcher::~XWatcher()
{
    // The test extension hooks itself into the connection's closing, so the library stays loaded.
    XCloseDisplay(m_display);
}

int XWatcher::screenWidth() const
{
    return DisplayWidth(m_display, DefaultScreen(m_display));
}

int XWatcher::screenHeight() const
{
    return DisplayHeight(m_display, DefaultScreen(m_display));
}

std::optional<XWatcher::Mapped> XWatcher::waitForMap(pid_t pid, Window except, double timeout,
                                                     const std::function<bool()>& keepWaiting)
{
    const double deadline = MonotonicSeconds() + timeout;
    for (;;) {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const double at = MonotonicSeconds();
            if (event.xmap.window != except && ownerOf(event.xmap.window) == pid)
                return Mapped{event.xmap.window, at};
        }
        const double left = deadline - MonotonicSeconds();
        if (left <= 0 || !keepWaiting())
            return std::nullopt;
        pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
        poll(&connection, 1, std::min(50, int(left * 1000) + 1));
    }
}

double XWatcher::click(int x, int y)
{
    if (m_xtest) {
        auto motion = reinterpret_cast<FakeMotion>(dlsym(m_xtest, "XTestFakeMotionEvent"));
        auto button = reinterpret_cast<FakeButton>(dlsym(m_xtest, "XTestFakeButtonEvent"));
        if (motion && button) {
            motion(m_display, DefaultScreen(m_display), x, y, CurrentTime);
            button(m_display, 1, True, CurrentTime);
            button(m_display, 1, False, CurrentTime);
            XFlush(m_display);
            return MonotonicSeconds();
        }
    }
    const std::string command =
        "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1";
    const double at = MonotonicSeconds();
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot click: neither the X test extension nor xdotool is at hand");
    return at;
}

pid_t XWatcher::ownerOf(Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    pid_t owner = -1;
    if (XGetWindowProperty(m_display, window, m_wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32 && count == 1)
        owner = pid_t(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return owner;
}

std::optional<double> XWatcher::waitForPicture(int x, int y, int width, int height, double timeout)
{
    const double until = MonotonicSeconds() + timeout;
    const Window root = DefaultRootWindow(m_display);
    while (MonotonicSeconds() < until) {
        if (XImage* image =
                XGetImage(m_display, root, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap)) {
            bool picture = false;
            for (int row = 0; row < height && !picture; ++row)
                for (int column = 0; column < width && !picture; ++column)
                    picture = (XGetPixel(image, column, row) & 0xFFFFFF) != 0;
            XDestroyImage(image);
            if (picture)
                return MonotonicSeconds();
        }
        usleep(1000);
    }
    return std::nullopt;
}

} // namespace zub::bench
