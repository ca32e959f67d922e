#pragma once

#include <QString>
#include <stdexcept>

namespace zub {

// The one error type of the game. A handler that meets it stops at that step; the window shows the
// message in an error box and the game goes on with the next event. Messages name what failed: the file,
// the line, the text that is not a number.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A piece of a file's text to quote in a message: at most 40 characters, with "..." after a cut, so one
// huge line cannot flood the error box.
inline QString Excerpt(const QString& text)
{
    constexpr qsizetype kLongest = 40;
    return text.size() <= kLongest ? text : text.left(kLongest) + QStringLiteral("...");
}

} // namespace zub
