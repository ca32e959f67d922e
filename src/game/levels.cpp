#include "game/levels.h"

namespace zub {

int CheckedLevel(const ComponentFlags& flags)
{
    int checked = kEasy;
    for (int level = 0; level < int(kLevels.size()); ++level) {
        if ((flags.*kLevels[level].Item).Checked)
            checked = level;
    }
    return checked;
}

} // namespace zub
