#pragma once

#include "game/componentflags.h"

#include <QStringView>
#include <array>

namespace zub {

// A level of play: how many wrong letters a word allows and what a letter is worth.
struct LevelRule
{
    MenuItem ComponentFlags::*Item; // the Level menu item whose check mark selects it
    int WrongLettersAllowed;        // the next wrong letter loses the word
    int CounterStart;               // WrongGuessCount at the start of a word
    int FirstStage;                 // HangPos and SwitchPos at the start of a word
    int LetterPoints;               // points for each revealed position
};

// Easy, Normal, Hard, in the order of the Level menu.
inline constexpr std::array<LevelRule, 3> kLevels{{
    {&ComponentFlags::EnableHints1, 10, 0, 1, 100},
    {&ComponentFlags::EnablePictures1, 8, 2, 3, 250},
    {&ComponentFlags::EnableBoth1, 6, 4, 5, 500},
}};

inline constexpr int kEasy = 0;
inline constexpr int kNormal = 1;
inline constexpr int kHard = 2;

// The index in kLevels of the checked level. The items are read in menu order and a later check mark
// wins, as the game start reads them; exactly one is checked in play.
int CheckedLevel(const ComponentFlags& board);

} // namespace zub
