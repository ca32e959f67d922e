#pragma once

#include <QString>

namespace zub {

// The game's name as the player reads it: the intro's title and the title of the error box. The board's
// title is its caption alone, so the application carries no display name for the window system to add
// to every title.
inline QString GameName()
{
    return QStringLiteral("Zub Hangman");
}

} // namespace zub
