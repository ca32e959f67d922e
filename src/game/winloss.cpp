// The end of a word, won or lost, and the three timers of the board.
#include "game/dashlayout.h"
#include "game/game.h"

namespace zub {

void Game::WinWord()
{
    UnlockNewWord();
    m_cues.Play(Cue::WinSound);
    m_flags.WinTimer.Enabled = true;
    m_flags.WellDonePanel.Visible = true;
    LockAllTiles();
}

void Game::LoseWord()
{
    if (IsWordLength(m_state.WordLength)) {
        for (int n = 0; n < m_state.WordLength; ++n)
            m_flags.Letter[n].Visible = true;
    }
    m_flags.MovieScreen.Visible = true;
    m_cues.Play(Cue::GameOverMovie);
    m_flags.GameOverTimer.Enabled = true;
    LockNewWord();
}

void Game::WinTimerTimer()
{
    if (!m_flags.WinTimer.Enabled)
        return;
    m_flags.WellDonePanel.Visible = false;
    m_flags.WinTimer.Enabled = false;
}

void Game::GameOverTimerTimer()
{
    if (!m_flags.GameOverTimer.Enabled)
        return;
    if (ScoreQualifies())
        m_flags.EnterNamePanel.Visible = true;
    m_flags.GameOverTimer.Enabled = false;
    m_flags.Timer1.Enabled = true;
    m_cues.Play(Cue::BackSound);
}

void Game::Timer1Timer()
{
    if (!m_flags.Timer1.Enabled)
        return;
    m_cues.Play(Cue::BackSound);
}

} // namespace zub
