#pragma once

namespace zub {

// The board's media players that the rules start and stop. The intro's movie belongs to the intro window.
enum class Cue
{
    GameOverMovie,
    WinSound,
    LoseLetter,
    BackSound,
    NewWord,
    MediaWin,
};

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
