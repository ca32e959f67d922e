#pragma once

#include "game/board.h"
#include "game/cues.h"
#include "game/gamestate.h"
#include "game/highscoretable.h"

#include <QString>

namespace zub {

class RandomSource;

// The files the rules read and write.
struct GameFiles
{
    QString Words1000;         // the "1000+" list (datalst2.zub)
    QString Words2000;         // the "2000+" list (datalst.zub)
    QString HighScores;        // the player's own high-score table, read and rewritten
    QString HighScoreTemplate; // the installed table that seeds HighScores when it is missing
};

// The rules of the board: the game state, the board's component flags and every event handler.
//
// The window forwards each click and timer tick to the handler of the same name and then shows board().
// A handler that meets an error (a missing word list, a line that is not a number) throws zub::Error and
// stops at that step; whatever it changed before stays changed, as it would on the board.
class Game
{
public:
    Game(GameFiles files, CuePlayer& cues, RandomSource& random);

    const GameState& state() const { return m_state; }
    const Board& board() const { return m_board; }
    const HighScoreTable& highScores() const { return m_highScores; }

    // Start of play, when the board is first shown. Later activations change nothing.
    void FormActivate(int clientWidth, int clientHeight);

    // Letter tiles. letter is 'A' .. 'Z'; each named handler forwards to it.
    void LetterClick(char letter);
    void AButtonClick() { LetterClick('A'); }
    // ... BButtonClick .. ZButtonClick, with oButtonClick and tButtonClick (declared in full by the rules)

    // Commands
    void NewWordClickClick();
    void Exit1Click(); // File > New Game
    void N10001Click();
    void N20001Click();
    void EnableHints1Click();
    void EnablePictures1Click();
    void EnableBoth1Click();
    void Show1Click();
    void About1Click();

    // Panels
    void setNameText(const QString& text);
    void NameOkButtonClick();
    void BitBtn1Click();
    void BitBtn2Click();

    // Timers
    void WinTimerTimer();
    void GameOverTimerTimer();
    void Timer1Timer();

private:
    GameFiles m_files;
    CuePlayer& m_cues;
    RandomSource& m_random;
    GameState m_state;
    Board m_board;
    HighScoreTable m_highScores;
    bool m_started = false;
};

} // namespace zub
