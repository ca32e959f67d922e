#include "introtimeline.h"

#include <algorithm>

namespace zub::mediagen::intro {

double TitleLetterTime(int index)
{
    return kTitleStart + kTitleLetterStep * index;
}

bool InWord(char letter)
{
    return kWord.contains(QLatin1Char(letter));
}

double RevealTime(int index)
{
    const QChar letter = kWord.at(index);
    const int rank = int(kWord.left(index).count(letter)); // earlier places of the same letter
    for (const Guess& guess : kGuesses) {
        if (QLatin1Char(guess.letter) == letter) {
            return guess.time + rank * kRevealStep;
        }
    }
    return -1.0;
}

QString ShownWord(double time)
{
    QString shown;
    for (int i = 0; i < kWord.size(); ++i) {
        const double revealed = RevealTime(i);
        shown += revealed >= 0.0 && time >= revealed ? kWord.at(i) : QLatin1Char(' ');
    }
    return shown;
}

double MissTime(int index)
{
    int misses = 0;
    for (const Guess& guess : kGuesses) {
        if (!InWord(guess.letter) && misses++ == index) {
            return guess.time;
        }
    }
    return -1.0;
}

QString MissedLetters(double time)
{
    QString missed;
    for (const Guess& guess : kGuesses) {
        if (time >= guess.time && !InWord(guess.letter)) {
            missed += QLatin1Char(guess.letter);
        }
    }
    return missed;
}

double StrokeProgress(int index, double time)
{
    const Span& stroke = kGallowsStrokes.at(std::size_t(index));
    return std::clamp((time - stroke.start) / (stroke.end - stroke.start), 0.0, 1.0);
}

} // namespace zub::mediagen::intro
