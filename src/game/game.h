#pragma once

#include "game/componentflags.h"
#include "game/cues.h"
#include "game/gamefiles.h"
#include "game/gamestate.h"
#include "game/highscoretable.h"

#include <QString>

namespace zub {

class RandomSource;
class TextLines;

// The rules of the board: the game state, the board's component flags and every event handler.
//
// The window forwards each click and timer tick to the handler of the same name and then shows flags().
// A handler that meets an error (a missing word list, a line that is not a number) throws zub::Error and
// stops at that step; whatever it changed before stays changed, as it would on the board. Events the
// board would not deliver - a click on a disabled tile or menu, a tick of a stopped timer - change nothing.
// Every cue is started and stopped through the CuePlayer at its place in the handler.
class Game
{
public:
    // The random source is used as it comes: whoever creates it seeds it, once per run.
    Game(GameFiles files, CuePlayer& cues, RandomSource& random);

    const GameState& state() const { return m_state; }
    const ComponentFlags& flags() const { return m_flags; }
    const HighScoreTable& highScores() const { return m_highScores; }

    // Start of play, when the board is first shown: counters, music, centring, pictures, first word and
    // the high-score table. Later activations change nothing.
    void FormActivate(int clientWidth, int clientHeight);

    // Letter tiles. letter is 'A' .. 'Z'; each named handler forwards to it.
    void LetterClick(char letter);
    void AButtonClick() { LetterClick('A'); }
    void BButtonClick() { LetterClick('B'); }
    void CButtonClick() { LetterClick('C'); }
    void DButtonClick() { LetterClick('D'); }
    void EButtonClick() { LetterClick('E'); }
    void FButtonClick() { LetterClick('F'); }
    void GButtonClick() { LetterClick('G'); }
    void HButtonClick() { LetterClick('H'); }
    void IButtonClick() { LetterClick('I'); }
    void JButtonClick() { LetterClick('J'); }
    void KButtonClick() { LetterClick('K'); }
    void LButtonClick() { LetterClick('L'); }
    void MButtonClick() { LetterClick('M'); }
    void NButtonClick() { LetterClick('N'); }
    void oButtonClick() { LetterClick('O'); }
    void PButtonClick() { LetterClick('P'); }
    void QButtonClick() { LetterClick('Q'); }
    void RButtonClick() { LetterClick('R'); }
    void SButtonClick() { LetterClick('S'); }
    void tButtonClick() { LetterClick('T'); }
    void UButtonClick() { LetterClick('U'); }
    void VButtonClick() { LetterClick('V'); }
    void WButtonClick() { LetterClick('W'); }
    void XButtonClick() { LetterClick('X'); }
    void YButtonClick() { LetterClick('Y'); }
    void ZButtonClick() { LetterClick('Z'); }

    // Commands
    void NewWordClickClick();
    void Exit1Click();           // File > New Game
    void N10001Click();          // Words > 1000+
    void N20001Click();          // Words > 2000+
    void EnableHints1Click();    // Level > Easy (10)
    void EnablePictures1Click(); // Level > Normal (8)
    void EnableBoth1Click();     // Level > Hard (6)
    void Show1Click();           // Highscore > Show
    void About1Click();          // Help > About

    // Panels
    void setNameText(const QString& text);
    void NameOkButtonClick();
    void BitBtn1Click(); // OK of the high-score panel
    void BitBtn2Click(); // OK of the about panel

    // Timers
    void WinTimerTimer();
    void GameOverTimerTimer();
    void Timer1Timer();

private:
    static constexpr QStringView kHangPos = u"HANGPOS";     // HangmanPic's resources, by stage
    static constexpr QStringView kSwitchPos = u"SWITCHPOS"; // SwitchPosPic's resources, by stage
    static constexpr int kLastStage = 11;                   // the last stage with a picture
    static constexpr int kLosingCount = 11;                 // WrongGuessCount that loses the word

    // Board operations
    void LockAllTiles();
    void UnlockAllTiles();
    void HideAllLetters();
    void LockNewWord();
    void UnlockNewWord();
    void SyncWordSlots();

    // Word start
    void StartWord(int level);
    void BeginWord();
    void DrawNewWord();
    void LayOutDashes();

    // Guesses, stages, the end of a word
    void RevealSlot(int n);
    void AdvanceStage();
    void ShowStage(ResourceImage& image, QStringView prefix, int stage);
    void SetStage(int wrongGuesses);
    void ChooseLevel(int level);
    void ChooseWordList(int list);
    void WinWord();
    void LoseWord();

    // High-score table
    bool ScoreQualifies() const; // whether ScorePoints beats rank 10
    void LoadHighScores();
    void PlaceHighScore(const QString& name);
    TextLines ReadHighScoreFile() const;
    void ShowHighScoreLabels();

    GameFiles m_files;
    CuePlayer& m_cues;
    RandomSource& m_random;
    GameState m_state;
    ComponentFlags m_flags;
    HighScoreTable m_highScores;
    bool m_started = false; // FormActivate has run
};

} // namespace zub
