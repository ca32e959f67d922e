#include "game/tiles.h"

#include "platform/error.h"

namespace zub {

int TileIndex(char letter)
{
    if (letter < 'A' || letter > 'Z')
        throw Error(QStringLiteral("There is no letter tile for '%1'").arg(QChar::fromLatin1(letter)));
    return letter - 'A';
}

} // namespace zub
