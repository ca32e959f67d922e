#include "game/levels.h"

namespace zub {

int CheckedLevel(const ComponentFlags& board)
{
    int checked = kEasy;
    for (int level = 0; level < int(kLevels.size()); ++level) {
        if ((board.*kLevels[level].Item).Checked)
            checked = level;
    }
    return checked;
}

} // namespace zub
