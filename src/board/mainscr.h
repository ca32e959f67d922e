#pragma once

#include "assets/datapaths.h"
#include "board/boardcontrols.h"
#include "board/boardcues.h"
#include "board/boarddisplay.h"
#include "board/errorreport.h"
#include "board/firstsizewait.h"
#include "board/windowdefinition.h"
#include "platform/seededrandom.h"

#include <QMainWindow>
#include <QString>
#include <memory>

namespace zub {

class Game;

// The board window: the full-screen game board with its letter tiles, word row, pictures, panels, menu,
// timers and media players.
//
// It is built complete from its window definition; building it opens the media players (a missing media
// file makes the constructor throw zub::Error naming the file) and starts Timer1. Every click, menu
// choice and timer tick goes to the rules' handler of the same name; the window then shows the rules'
// board. An error that ends a handler is reported through the reporter it is given and the game goes on.
class TMain : public QMainWindow
{
    Q_OBJECT

public:
    // dataPaths: where the word lists, the high-score template and the media are read from;
    // highScoreFile: the player's own high-score table.
    // report: where the errors that end a handler are told to the player.
    TMain(const DataPaths& dataPaths, const QString& highScoreFile, ErrorReporter report,
          QWidget* parent = nullptr);
    ~TMain() override;

    const Game& game() const { return *m_game; }

    // Start of play with the client area as it is now. Runs when the board is shown, once it has its
    // final size, and at every activation; the rules act on the first call only.
    void FormActivate();
    // File > Exit: the program ends.
    void Exit2Click();
    // Closing the board with its close box: the program ends too, since the hidden intro window would
    // otherwise keep it running.
    void FormClose();

    // The timers' ticks.
    void GameOverTimerTimer();
    void WinTimerTimer();
    void Timer1Timer();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void requestFormActivate();
    void activateWhenSized();
    void openMediaPlayers(const DataPaths& dataPaths);
    void placeRestoredBounds();
    void prepareFirstShow();
    void handle(GameHandler handler);
    template <typename Step> void guarded(Step&& step);
    void showBoard();
    void confirmTopmostPanel();

    BoardCues m_cues;
    SeededRandom m_random;
    std::unique_ptr<Game> m_game;
    BoardControls m_controls;
    std::unique_ptr<BoardDisplay> m_display;
    ErrorReporter m_report;
    FirstSizeWait m_firstSize; // play starts once the board has the size the window system gives it
};

} // namespace zub
