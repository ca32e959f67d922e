#pragma once

#include <QString>
#include <functional>
#include <random>
#include <vector>

class QWidget;

namespace zub {
class TMain;
class TSplashScreen;
} // namespace zub

namespace zub::bench {

class BenchApplication;

// Plays the game in its real windows with mouse clicks sent to the controls (QTest::mouseClick), word
// after word, and times each click from the press to the end of the board's next paint.
//
// Timer ticks that end a word are delivered by calling the board's tick handlers at once, so no word
// waits for its timers; a score that takes a place in the table is entered with a name, a lost game is
// followed by File > New Game, a won word by the New Word tile.
class BoardPlayer
{
public:
    BoardPlayer(BenchApplication& application, TSplashScreen& intro, TMain& board);

    // Clicks "Skip Intro" and returns the seconds from the click's handling to the end of the first paint
    // of the board with its first word; a negative value when the board never showed a word.
    double skipIntro();

    // Plays one word to its end: letter tiles, common letters first or at random, until the word is won or
    // lost, then the way to the next word. Returns false when the board stopped answering.
    bool playWord();

    const std::vector<double>& tileClicks() const { return m_tileClicks; }     // press to painted
    const std::vector<double>& tileHandling() const { return m_tileHandling; } // press to handled
    const std::vector<double>& nextWordClicks() const { return m_nextWordClicks; }
    int wordsWon() const { return m_won; }
    int wordsLost() const { return m_lost; }
    int unpaintedClicks() const { return m_unpainted; }
    int namesEntered() const { return m_namesEntered; }

private:
    bool wordIsOver() const;
    bool clickTile(int tile);
    bool startNextWord();
    // Clicks control and waits for the board's next paint; the seconds from press to painted, or a
    // negative value when no paint followed.
    double timedClick(QWidget* control);
    // The board's control of that name.
    QWidget* control(const QString& name) const;

    BenchApplication& m_application;
    TSplashScreen& m_intro;
    TMain& m_board;
    std::mt19937 m_random{20240601};
    std::vector<double> m_tileClicks;
    std::vector<double> m_tileHandling;
    std::vector<double> m_nextWordClicks;
    int m_won = 0;
    int m_lost = 0;
    int m_unpainted = 0;
    int m_namesEntered = 0;
};

// Processes events until done answers true or timeoutMs passes; answers whether done came true. It
// blocks in the event loop between events rather than sleeping, so that nothing waits on the benchmark.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs);

} // namespace zub::bench
