#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zub {

// Tells the player about an error that ended a handler. The board reports every such error through one
// reporter, so tests can replace it with one that records instead of opening a modal box.
using ErrorReporter = std::function<void(const QString& message)>;

// The reporter of the running game: prints the message to stderr and shows it in an error box over
// `parent`.
ErrorReporter MessageBoxReporter(QWidget* parent);

} // namespace zub
