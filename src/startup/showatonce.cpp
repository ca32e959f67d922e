#include "startup/showatonce.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace zub {

void ShowAtOnce(QWidget& window)
{
    window.show();
    // The offscreen platform answers for X11 too, with no connection.
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t* connection = x11->connection())
            xcb_flush(connection);
}

} // namespace zub
