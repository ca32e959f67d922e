#include "board/boardcues.h"

#include "platform/error.h"
#include "platform/media/mediahandle.h"

namespace zub {

void BoardCues::bind(Cue cue, MediaHandle& player)
{
    m_players[static_cast<std::size_t>(cue)] = &player;
    // The music is started again every 16 s by a timer and once more when the board is activated, also
    // while it plays: it restarts rather than playing twice out of step.
    if (cue == Cue::BackSound)
        player.setRestarts();
    // The game-over movie is heard together with the wrong-letter sound at the losing click.
    if (cue == Cue::GameOverMovie)
        player.LoadSoundtrack();
}

void BoardCues::Play(Cue cue)
{
    player(cue).Play();
}

void BoardCues::Stop(Cue cue)
{
    player(cue).Stop();
}

MediaHandle& BoardCues::player(Cue cue) const
{
    MediaHandle* bound = m_players[static_cast<std::size_t>(cue)];
    if (!bound)
        throw Error(QStringLiteral("No media player plays cue %1.").arg(static_cast<int>(cue)));
    return *bound;
}

} // namespace zub
