#pragma once

#include "game/cues.h"

#include <array>

namespace zub {

class MediaHandle;

// Plays the rules' cues on the board's media players, one player per cue.
class BoardCues : public CuePlayer
{
public:
    void bind(Cue cue, MediaHandle& player);

    void Play(Cue cue) override;
    void Stop(Cue cue) override;

private:
    MediaHandle& player(Cue cue) const;

    std::array<MediaHandle*, kCues.size()> m_players{};
};

} // namespace zub
