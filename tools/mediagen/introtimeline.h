#pragma once

#include <QSize>
#include <QString>
#include <array>

namespace zub::mediagen {

// The story of the intro movie, second by second, shared by its pictures and its soundtrack so that
// every knock and chime falls on the frame it belongs to.
//
// The title appears letter by letter, a gallows is built stroke by stroke, a word is guessed letter
// by letter (with two misses that start a figure), the scene fades, and a closing card shows the
// version.
namespace intro {

constexpr QSize kFrameSize(620, 480);
constexpr int kFramesPerSecond = 12;
constexpr double kLength = 25.0;

inline const QString kTitle = QStringLiteral("ZUB HANGMAN");
constexpr double kTitleStart = 0.8;
constexpr double kTitleLetterStep = 0.16;
constexpr double kTitleLetterFade = 0.45;

struct Span
{
    double start;
    double end;
};

// Base, post, top beam, brace and rope with noose, in building order.
constexpr std::array<Span, 5> kGallowsStrokes = {
    {{4.0, 4.9}, {5.1, 6.1}, {6.3, 7.1}, {7.3, 7.9}, {8.1, 8.9}}};

inline const QString kWord = QStringLiteral("WELCOME");
constexpr double kDashesStart = 9.3;
constexpr double kDashStep = 0.08;

struct Guess
{
    double time;
    char letter;
};

constexpr std::array<Guess, 8> kGuesses = {
    {{10.3, 'E'}, {11.3, 'O'}, {12.3, 'S'}, {13.3, 'L'}, {14.3, 'T'}, {15.3, 'C'}, {16.3, 'M'}, {17.3, 'W'}}};
// Several places of one letter open one after the other, this far apart.
constexpr double kRevealStep = 0.12;
constexpr double kWordComplete = 17.3;

constexpr Span kFadeOut = {20.0, 21.5};
constexpr Span kCardFadeIn = {21.8, 23.0};
inline const QString kCardVersion = QStringLiteral("Version 1.2");

constexpr int FrameCount()
{
    return int(kLength * kFramesPerSecond);
}

// The time at which the title's letter `index` starts to appear.
double TitleLetterTime(int index);

// Whether `letter` occurs in the word.
bool InWord(char letter);

// The word as shown at `time`: its found letters in their places, a blank in every other place.
QString ShownWord(double time);

// The time at which the letter of place `index` is revealed; negative if it never is.
double RevealTime(int index);

// The time of missed guess `index` (0 for the first miss); negative if there are fewer misses.
double MissTime(int index);

// The missed letters guessed up to `time`, in guessing order.
QString MissedLetters(double time);

// How far the gallows stroke `index` is drawn at `time`, from 0 (not yet) to 1 (complete).
double StrokeProgress(int index, double time);

} // namespace intro
} // namespace zub::mediagen
