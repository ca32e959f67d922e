// The menu commands and the New Word tile.
#include "game/captions.h"
#include "game/game.h"
#include "game/levels.h"
#include "game/wordlists.h"

namespace zub {

void Game::Exit1Click()
{
    for (int list = 0; list < int(kWordLists.size()); ++list) {
        if ((m_flags.*kWordLists[list].Item).Checked)
            m_flags.Caption = kCaptions.NewGame[list].toString();
    }
    m_flags.Timer1.Enabled = false;
    // New Game ends the pause after a lost word: its tick would otherwise offer the lost game's score for
    // the table in the middle of the new game and start the music again.
    m_flags.GameOverTimer.Enabled = false;
    m_cues.Stop(Cue::BackSound);
    m_cues.Play(Cue::NewWord);
    m_flags.EnterNamePanel.Visible = false;
    m_flags.AboutPanel.Visible = false;
    for (int level = 0; level < int(kLevels.size()); ++level)
        (m_flags.*kLevels[level].Item).Checked = level == kEasy;
    m_flags.Hints1.Enabled = true;
    m_flags.MovieScreen.Visible = false;
    m_flags.GameOverPanel.Visible = false;
    m_state.ScorePoints = 0;
    m_flags.ScorePointsLabel.Caption = QStringLiteral("0");
    UnlockNewWord();
    StartWord(kEasy);
}

void Game::NewWordClickClick()
{
    if (!m_flags.NewWordClick.Enabled)
        return;
    m_flags.Timer1.Enabled = false;
    m_cues.Stop(Cue::BackSound);
    m_cues.Play(Cue::NewWord);
    LockNewWord();
    m_cues.Stop(Cue::WinSound);
    StartWord(CheckedLevel(m_flags));
}

void Game::N10001Click()
{
    ChooseWordList(0);
}

void Game::N20001Click()
{
    ChooseWordList(1);
}

void Game::EnableHints1Click()
{
    ChooseLevel(kEasy);
}

void Game::EnablePictures1Click()
{
    ChooseLevel(kNormal);
}

void Game::EnableBoth1Click()
{
    ChooseLevel(kHard);
}

void Game::Show1Click()
{
    m_flags.GameOverPanel.Visible = true;
}

void Game::About1Click()
{
    m_flags.AboutPanel.Visible = true;
}

// The word on the board stays; the list is read from the next word on.
void Game::ChooseWordList(int list)
{
    m_flags.Caption = kCaptions.Words[list].toString();
    for (int other = 0; other < int(kWordLists.size()); ++other)
        (m_flags.*kWordLists[other].Item).Checked = other == list;
}

// A level is chosen once per game, after New Game and before the word is under way.
void Game::ChooseLevel(int level)
{
    if (!m_flags.Hints1.Enabled)
        return;
    m_flags.Caption = kCaptions.Level[level].toString();
    m_state.LetterPoints = kLevels[level].LetterPoints;
    for (int other = 0; other < int(kLevels.size()); ++other)
        (m_flags.*kLevels[other].Item).Checked = other == level;
    m_flags.Hints1.Enabled = false;
    // The Level menu is open only between New Game and the word's first letter, so the word is still
    // at its start.
    SetStage(kLevels[level].CounterStart);
}

} // namespace zub
