#pragma once

#include "game/componentflags.h"
#include "game/gamefiles.h"

#include <QStringView>
#include <array>

namespace zub {

// A word list the Words menu can choose.
struct WordListChoice
{
    MenuItem ComponentFlags::*Item; // the Words menu item whose check mark selects it
    QString GameFiles::*File;       // the list it reads
};

// "1000+" reads the list with the 2 in its file name, "2000+" the other one.
inline constexpr std::array<WordListChoice, 2> kWordLists{{
    {&ComponentFlags::N10001, &GameFiles::Words1000},
    {&ComponentFlags::N20001, &GameFiles::Words2000},
}};

} // namespace zub
