// The name entry, the high-score panel and the about panel.
#include "game/game.h"

namespace zub {

// The field keeps its text: the next qualifying game offers the last name entered.
void Game::setNameText(const QString& text)
{
    m_board.NameText = text;
}

void Game::NameOkButtonClick()
{
    if (!m_board.EnterNamePanel.Visible)
        return;
    m_board.GameOverPanel.Visible = true;
    m_board.GameOverTimer.Enabled = false;
    m_board.EnterNamePanel.Visible = false;
    PlaceHighScore(m_board.NameText);
}

void Game::BitBtn1Click()
{
    m_board.GameOverPanel.Visible = false;
}

void Game::BitBtn2Click()
{
    m_board.AboutPanel.Visible = false;
}

} // namespace zub
