// The gallows and switch pictures: one stage for each wrong letter, the same stage in both.
#include "game/game.h"

namespace zub {

void Game::AdvanceStage()
{
    SetStage(m_state.WrongGuessCount + 1);
    if (m_state.WrongGuessCount == kLosingCount) {
        LoseWord();
        LockAllTiles();
    }
}

// The stage after `wrongGuesses` wrong letters: the counter, and both pictures one stage on from it.
void Game::SetStage(int wrongGuesses)
{
    m_state.WrongGuessCount = wrongGuesses;
    m_state.HangPos = wrongGuesses + 1;
    m_state.SwitchPos = wrongGuesses + 1;
    ShowStage(m_flags.SwitchPosPic, kSwitchPos, m_state.SwitchPos);
    ShowStage(m_flags.HangmanPic, kHangPos, m_state.HangPos);
}

// Only stages 1 .. 11 have a picture; any other stage leaves the picture shown in place.
void Game::ShowStage(ResourceImage& image, QStringView prefix, int stage)
{
    if (stage < 1 || stage > kLastStage)
        return;
    image.ResourceName = prefix.toString() + QString::number(stage);
}

} // namespace zub
