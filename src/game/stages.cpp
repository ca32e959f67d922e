// The gallows and switch pictures: one stage for each wrong letter, the same stage in both.
#include "game/game.h"
#include "game/levels.h"

namespace zub {

void Game::AdvanceStage()
{
    m_state.HangPos += 1;
    m_state.SwitchPos += 1;
    m_state.WrongGuessCount += 1;
    if (m_state.WrongGuessCount == kLosingCount) {
        LoseWord();
        LockAllTiles();
    }
    ShowStage(m_board.SwitchPosPic, kSwitchPos, m_state.SwitchPos);
    ShowStage(m_board.HangmanPic, kHangPos, m_state.HangPos);
}

// Only stages 1 .. 11 have a picture; any other stage leaves the picture shown in place.
void Game::ShowStage(ResourceImage& image, QStringView prefix, int stage)
{
    if (stage < 1 || stage > kLastStage)
        return;
    image.ResourceName = prefix.toString() + QString::number(stage);
}

// A level's own first stage, switch picture first, with the counter that goes with it.
void Game::EnterFirstStage(int level)
{
    const LevelRule& rule = kLevels[level];
    ShowStage(m_board.SwitchPosPic, kSwitchPos, rule.FirstStage);
    ShowStage(m_board.HangmanPic, kHangPos, rule.FirstStage);
    m_state.WrongGuessCount = rule.CounterStart;
    m_state.HangPos = rule.FirstStage;
    m_state.SwitchPos = rule.FirstStage;
}

} // namespace zub
