// The small board operations that several handlers share.
#include "game/game.h"

namespace zub {

void Game::LockAllTiles()
{
    for (Tile& tile : m_flags.Tiles)
        tile.Button.Enabled = false;
    for (Tile& tile : m_flags.Tiles)
        tile.Pic.Visible = true;
}

void Game::UnlockAllTiles()
{
    for (Tile& tile : m_flags.Tiles)
        tile.Button.Enabled = true;
    for (Tile& tile : m_flags.Tiles)
        tile.Pic.Visible = false;
}

void Game::HideAllLetters()
{
    for (Label& letter : m_flags.Letter)
        letter.Visible = false;
}

void Game::LockNewWord()
{
    m_flags.NewWordClick.Enabled = false;
    m_flags.NewWordPic.Visible = true;
    m_flags.Hints1.Enabled = false;
}

void Game::UnlockNewWord()
{
    m_flags.NewWordClick.Enabled = true;
    m_flags.NewWordPic.Visible = false;
}

void Game::SyncWordSlots()
{
    // The lone-I rule: an I is shown and matched with a blank before it.
    for (Label& letter : m_flags.Letter) {
        if (letter.Caption == u"I")
            letter.Caption = QStringLiteral(" I");
    }
    for (int n = 0; n < kLetterSlotCount; ++n)
        m_state.WordSlot[n] = m_flags.Letter[n].Caption;
}

} // namespace zub
