#pragma once

#include "game/componentflags.h"

#include <QString>
#include <array>

namespace zub {

// Where the current game and word stand: the score, the points per letter, the wrong-guess counter, the
// two picture stages and the word's letters as they are matched.
//
// The rest of the state lives in the board's component flags (letter captions and visibility, tile and
// menu flags, timers). Between events these hold:
//   SwitchPos == HangPos == WrongGuessCount + 1,
//   0 <= LettersFound <= WordLength during a word, and LettersFound counts the revealed word labels,
//   LetterPoints stays the same from the first guess of a word to its end.
struct GameState
{
    int ScorePoints = 0;     // score of the current game
    QString ScorePointsText; // decimal text of ScorePoints, as last shown in ScorePointsLabel
    int LetterPoints = 100;  // points for each position a guess reveals: 100, 250 or 500 by level
    int WrongGuessCount = 0; // starts at 0, 2 or 4 by level; the word is lost when it reaches 11
    int HangPos = 1;         // stage of HangmanPic
    int SwitchPos = 1;       // stage of SwitchPosPic, always equal to HangPos
    int LettersFound = 0;    // positions of the current word revealed so far
    int WordLength = 0;      // letters of the current word, 3 to 13
    // WordSlot1 .. WordSlot13 (index 0 is WordSlot1): the captions of Letter1 .. Letter13 that a guess
    // compares with; " I" for an I, " " past the end of the word.
    std::array<QString, kLetterSlotCount> WordSlot{};

    bool operator==(const GameState&) const = default;
};

} // namespace zub
