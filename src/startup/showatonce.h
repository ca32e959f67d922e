#pragma once

class QWidget;

namespace zub {

// Shows a window and sends the request to the X server at once, rather than when the event loop next
// waits, so that the window appears while the program goes on building. Elsewhere it only shows it.
void ShowAtOnce(QWidget& window);

} // namespace zub
