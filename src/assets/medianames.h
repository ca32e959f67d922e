#pragma once

#include <QLatin1StringView>
#include <array>

namespace zub::MediaNames {

// The file names of the sounds and movies in the data folder's Intro subfolder, named after the media
// players that play them.
inline constexpr QLatin1StringView Media("Hangman.avi");           // the intro movie
inline constexpr QLatin1StringView GameOverMovie("Game over.avi"); // the movie of a lost word
inline constexpr QLatin1StringView BackSound("backsound1.wav");    // the background music
inline constexpr QLatin1StringView MediaWin("winletter.wav");      // a letter found
inline constexpr QLatin1StringView LoseLetter("lose2.wav");        // a wrong letter
inline constexpr QLatin1StringView WinSound("winner2.wav");        // a word won
inline constexpr QLatin1StringView NewWord("newword.wav");         // a new word drawn

inline constexpr std::array All{Media, GameOverMovie, BackSound, MediaWin, LoseLetter, WinSound, NewWord};

} // namespace zub::MediaNames
