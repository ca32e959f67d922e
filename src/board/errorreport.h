#pragma once

#include <QString>
#include <functional>

namespace zub {

// Tells the player about an error that ended an action of the game. The game reports every such error
// through the one reporter it is given, so tests can hand in one that records instead of opening a modal
// box.
using ErrorReporter = std::function<void(const QString& message)>;

} // namespace zub
