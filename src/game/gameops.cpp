// The small board operations that several handlers share.
#include "game/game.h"

namespace zub {

void Game::LockAllTiles()
{
    for (Tile& tile : m_board.Tiles)
        tile.Button.Enabled = false;
    for (Tile& tile : m_board.Tiles)
        tile.Pic.Visible = true;
}

void Game::UnlockAllTiles()
{
    for (Tile& tile : m_board.Tiles)
        tile.Button.Enabled = true;
    for (Tile& tile : m_board.Tiles)
        tile.Pic.Visible = false;
}

void Game::HideAllLetters()
{
    for (Label& letter : m_board.Letter)
        letter.Visible = false;
}

void Game::LockNewWord()
{
    m_board.NewWordClick.Enabled = false;
    m_board.NewWordPic.Visible = true;
    m_board.Hints1.Enabled = false;
}

void Game::UnlockNewWord()
{
    m_board.NewWordClick.Enabled = true;
    m_board.NewWordPic.Visible = false;
}

void Game::SyncWordSlots()
{
    // The lone-I rule: an I is shown and matched with a blank before it.
    for (Label& letter : m_board.Letter) {
        if (letter.Caption == u"I")
            letter.Caption = QStringLiteral(" I");
    }
    for (int n = 0; n < kLetterSlotCount; ++n)
        m_state.WordSlot[n] = m_board.Letter[n].Caption;
}

} // namespace zub
