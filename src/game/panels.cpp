// The name entry, the high-score panel and the about panel.
#include "game/game.h"

namespace zub {

// The field keeps its text: the next qualifying game offers the last name entered.
void Game::setNameText(const QString& text)
{
    m_flags.NameText = text;
}

void Game::NameOkButtonClick()
{
    if (!m_flags.EnterNamePanel.Visible)
        return;
    m_flags.GameOverPanel.Visible = true;
    m_flags.GameOverTimer.Enabled = false;
    m_flags.EnterNamePanel.Visible = false;
    PlaceHighScore(m_flags.NameText);
}

void Game::BitBtn1Click()
{
    m_flags.GameOverPanel.Visible = false;
}

void Game::BitBtn2Click()
{
    m_flags.AboutPanel.Visible = false;
}

} // namespace zub
