#include "startup/showatonce.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace zub {

void ShowAtOnce(QWidget& window)
{
    window.show();
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        xcb_flush(x11->connection());
}

} // namespace zub
