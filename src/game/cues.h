#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstddef>

namespace zub {

// The board's sounds and movie that the rules start and stop, each played by a media player of the board
// named after it. The intro's movie belongs to the intro window and is no cue.
enum class Cue
{
    GameOverMovie, // a lost word, drawn where the hanged man stands
    WinSound,      // a word won
    LoseLetter,    // a wrong letter
    BackSound,     // the background music
    NewWord,       // a new word drawn
    MediaWin,      // a letter found
};

// A cue, the name of the media player that plays it and the file it plays from the data folder's Intro
// subfolder.
struct CueMedia
{
    Cue cue;
    QLatin1StringView player;
    QLatin1StringView file;
};

// Every cue, in the order of Cue, which is also the order in which the board opens their players.
inline constexpr std::array<CueMedia, 6> kCues{{
    {Cue::GameOverMovie, QLatin1StringView("GameOverMovie"), QLatin1StringView("Game over.avi")},
    {Cue::WinSound, QLatin1StringView("WinSound"), QLatin1StringView("winner2.wav")},
    {Cue::LoseLetter, QLatin1StringView("LoseLetter"), QLatin1StringView("lose2.wav")},
    {Cue::BackSound, QLatin1StringView("BackSound"), QLatin1StringView("backsound1.wav")},
    {Cue::NewWord, QLatin1StringView("NewWord"), QLatin1StringView("newword.wav")},
    {Cue::MediaWin, QLatin1StringView("MediaWin"), QLatin1StringView("winletter.wav")},
}};

constexpr const CueMedia& MediaOf(Cue cue)
{
    return kCues[static_cast<std::size_t>(cue)];
}

// The intro's movie, in the same folder as the cues' files.
inline constexpr QLatin1StringView kIntroMovie("Hangman.avi");

// Every media file the game plays: the intro's movie, then each cue's file.
inline constexpr std::array<QLatin1StringView, kCues.size() + 1> kMediaFiles = [] {
    std::array<QLatin1StringView, kCues.size() + 1> files{kIntroMovie};
    for (std::size_t i = 0; i < kCues.size(); ++i)
        files[i + 1] = kCues[i].file;
    return files;
}();

// Starts and stops the board's cues. Play returns at once; a cue that played to its end starts again from
// the beginning at the next Play. The window plays them for real; tests record the order of the calls.
class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    virtual void Play(Cue cue) = 0;
    virtual void Stop(Cue cue) = 0;
};

} // namespace zub
