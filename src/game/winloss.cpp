// The end of a word, won or lost, and the three timers of the board.
#include "game/dashlayout.h"
#include "game/game.h"

namespace zub {

void Game::WinWord()
{
    UnlockNewWord();
    m_cues.Play(Cue::WinSound);
    m_board.WinTimer.Enabled = true;
    m_board.WellDonePanel.Visible = true;
    LockAllTiles();
}

void Game::LoseWord()
{
    if (IsWordLength(m_state.WordLength)) {
        for (int n = 0; n < m_state.WordLength; ++n)
            m_board.Letter[n].Visible = true;
    }
    m_board.MovieScreen.Visible = true;
    m_cues.Play(Cue::GameOverMovie);
    m_board.GameOverTimer.Enabled = true;
    LockNewWord();
}

void Game::WinTimerTimer()
{
    if (!m_board.WinTimer.Enabled)
        return;
    m_board.WellDonePanel.Visible = false;
    m_board.WinTimer.Enabled = false;
}

void Game::GameOverTimerTimer()
{
    if (!m_board.GameOverTimer.Enabled)
        return;
    if (ScoreQualifies())
        m_board.EnterNamePanel.Visible = true;
    m_board.GameOverTimer.Enabled = false;
    m_board.Timer1.Enabled = true;
    m_cues.Play(Cue::BackSound);
}

void Game::Timer1Timer()
{
    if (!m_board.Timer1.Enabled)
        return;
    m_cues.Play(Cue::BackSound);
}

} // namespace zub
