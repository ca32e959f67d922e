#pragma once

#include "game/cues.h"

#include <QString>
#include <array>
#include <optional>

namespace zub {

class MediaPlayer;

// Plays the rules' cues on the board's media players, one player per cue.
class BoardCues : public CuePlayer
{
public:
    // The cue a media player of the board plays, by the player's name; none for a player no cue uses.
    static std::optional<Cue> CueOfPlayer(const QString& playerName);

    void bind(Cue cue, MediaPlayer& player);

    void Play(Cue cue) override;
    void Stop(Cue cue) override;

private:
    MediaPlayer& player(Cue cue) const;

    static constexpr int kCueCount = 6;
    std::array<MediaPlayer*, kCueCount> m_players{};
};

} // namespace zub
