#pragma once

#include "game/componentflags.h"

#include <QStringView>
#include <array>

namespace zub {

// A level of play: where a word starts on the way to the gallows and what a letter is worth. Every word is
// lost at the same count of wrong letters, so a level that starts further on allows fewer of them.
struct LevelRule
{
    MenuItem ComponentFlags::*Item; // the Level menu item whose check mark selects it
    int CounterStart;               // WrongGuessCount at the start of a word
    int LetterPoints;               // points for each revealed position
};

// Easy (10 wrong letters allowed), Normal (8), Hard (6), in the order of the Level menu.
inline constexpr std::array<LevelRule, 3> kLevels{{
    {&ComponentFlags::EnableHints1, 0, 100},
    {&ComponentFlags::EnablePictures1, 2, 250},
    {&ComponentFlags::EnableBoth1, 4, 500},
}};

inline constexpr int kEasy = 0;
inline constexpr int kNormal = 1;
inline constexpr int kHard = 2;

// The index in kLevels of the checked level. The items are read in menu order and a later check mark
// wins, as the game start reads them; exactly one is checked in play.
int CheckedLevel(const ComponentFlags& flags);

} // namespace zub
