// A guessed letter: found at every position that holds it, or a wrong letter that moves the gallows on.
#include "game/dashlayout.h"
#include "game/game.h"
#include "game/tiles.h"
#include "platform/integers.h"

namespace zub {

void Game::LetterClick(char letter)
{
    const int index = TileIndex(letter);
    const TileRule& rule = kTiles[index];
    Tile& tile = m_flags.Tiles[index];
    if (!tile.Button.Enabled)
        return;
    m_flags.Timer1.Enabled = false;
    m_cues.Stop(Cue::BackSound);
    LockNewWord();
    tile.Pic.Visible = true;
    tile.Button.Enabled = false;
    SyncWordSlots();
    bool found = false;
    for (int n = 1; n <= kLetterSlotCount; ++n) {
        if (m_state.WordSlot[n - 1] == rule.MatchText) {
            RevealSlot(n);
            found = true;
        }
    }
    if (!found) {
        AdvanceStage();
        m_cues.Play(Cue::LoseLetter);
    }
    // Only a drawn word can be won: after a failed first word start WordLength is 0 with the tiles free,
    // and 0 letters found must not count as a whole word.
    if (IsWordLength(m_state.WordLength) && m_state.LettersFound == m_state.WordLength)
        WinWord();
}

void Game::RevealSlot(int n)
{
    m_cues.Play(Cue::MediaWin);
    m_state.LettersFound += 1;
    m_flags.Letter[n - 1].Visible = true;
    m_state.ScorePoints += m_state.LetterPoints;
    m_state.ScorePointsText = IntToStr(m_state.ScorePoints);
    m_flags.ScorePointsLabel.Caption = m_state.ScorePointsText;
}

} // namespace zub
