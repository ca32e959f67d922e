#pragma once

#include <functional>

class QObject;

namespace zub {

// Runs work while the event loop has nothing else to do: one piece per turn of the loop, in the order
// given, so that clicks and paints go on between the pieces. The work is dropped if context is destroyed
// before its turn. Used for preparations that would otherwise hold up the first window, such as setting
// up the media system's players (10-100 ms each).
void WhenIdle(QObject& context, std::function<void()> work);

} // namespace zub
