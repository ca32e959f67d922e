#pragma once

#include "game/cues.h"

#include <array>

namespace zub {

class MediaPlayer;

// Plays the rules' cues on the board's media players, one player per cue.
class BoardCues : public CuePlayer
{
public:
    void bind(Cue cue, MediaPlayer& player);

    void Play(Cue cue) override;
    void Stop(Cue cue) override;

private:
    MediaPlayer& player(Cue cue) const;

    std::array<MediaPlayer*, kCues.size()> m_players{};
};

} // namespace zub
