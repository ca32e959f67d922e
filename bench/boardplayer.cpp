#include "boardplayer.h"

#include "benchapplication.h"
#include "board/bevelpanel.h"
#include "board/bitbtn.h"
#include "board/boardlabel.h"
#include "board/clickablelabel.h"
#include "board/mainscr.h"
#include "game/game.h"
#include "game/tiles.h"
#include "startup/splash.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace zub::bench {

namespace {

constexpr int kPaintTimeoutMs = 5000;

// Letters from the most to the least common in English words: played in this order, most words are won.
constexpr char kCommonFirst[] = "ESIARNTOLCDUGPMHBYFVKWZXQJ";

} // namespace

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    // Wakes the loop now and then, so that the time-out is noticed when nothing else happens.
    QTimer wake;
    wake.start(20);
    while (!done()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

BoardPlayer::BoardPlayer(BenchApplication& application, TSplashScreen& intro, TMain& board)
    : m_application(application), m_intro(intro), m_board(board)
{}

QWidget* BoardPlayer::control(const QString& name) const
{
    return m_board.findChild<QWidget*>(name);
}

double BoardPlayer::skipIntro()
{
    QWidget* dashes = control(QStringLiteral("Dashes"));
    m_application.setPaintFilter([this, dashes](QWidget* painted) {
        return painted == dashes && m_board.game().state().WordLength > 0;
    });
    m_application.watchClicksOn(&m_intro.Label2());
    m_application.awaitPaint();
    QTest::mouseClick(&m_intro.Label2(), Qt::LeftButton);
    if (!ProcessEventsUntil([this] { return m_application.paintEnded(); }, 10 * kPaintTimeoutMs))
        return -1;
    m_application.setPaintFilter([this](QWidget* painted) { return painted->window() == &m_board; });
    return m_application.paintEndedAt() - m_application.releasedAt();
}

bool BoardPlayer::playWord()
{
    // Every other word is guessed common letters first, the rest at random, so that words are both won
    // and lost and every tile, picture and panel has its turn.
    std::vector<int> order(kTileCount);
    if ((m_won + m_lost) % 2 == 0) {
        for (int n = 0; n < kTileCount; ++n)
            order[n] = kCommonFirst[n] - 'A';
    } else {
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), m_random);
    }
    for (int tile : order) {
        if (wordIsOver())
            break;
        if (m_board.game().flags().Tiles[tile].Button.Enabled && !clickTile(tile))
            return false;
    }
    if (!wordIsOver())
        return false;
    return startNextWord();
}

bool BoardPlayer::wordIsOver() const
{
    const ComponentFlags& flags = m_board.game().flags();
    return flags.WinTimer.Enabled || flags.GameOverTimer.Enabled ||
           std::none_of(flags.Tiles.begin(), flags.Tiles.end(),
                        [](const auto& tile) { return tile.Button.Enabled; });
}

bool BoardPlayer::clickTile(int tile)
{
    const double seconds = timedClick(control(kTiles[tile].Button.toString()));
    if (seconds < 0)
        return ++m_unpainted < 10;
    m_tileClicks.push_back(seconds);
    m_tileHandling.push_back(m_application.handledAt() - m_application.pressedAt());
    return true;
}

bool BoardPlayer::startNextWord()
{
    const ComponentFlags& flags = m_board.game().flags();
    if (flags.WinTimer.Enabled) {
        ++m_won;
        m_board.WinTimerTimer();
    } else {
        ++m_lost;
        if (flags.GameOverTimer.Enabled)
            m_board.GameOverTimerTimer();
        // A score good enough for the table is entered, so the table's file is rewritten too.
        if (control(QStringLiteral("EnterNamePanel"))->isVisible()) {
            m_board.findChild<QLineEdit*>(QStringLiteral("NameText"))
                ->setText(QStringLiteral("Player %1").arg(m_lost));
            QTest::mouseClick(control(QStringLiteral("NameOkButton")), Qt::LeftButton);
            ++m_namesEntered;
        }
    }
    if (m_board.game().flags().NewWordClick.Enabled) {
        const double seconds = timedClick(control(QStringLiteral("NewWordClick")));
        if (seconds >= 0)
            m_nextWordClicks.push_back(seconds);
    } else if (auto* newGame = m_board.findChild<QAction*>(QStringLiteral("Exit1"))) {
        newGame->trigger();
    } else {
        return false;
    }
    // The next word is under way once its tiles answer again.
    return ProcessEventsUntil([this] { return !wordIsOver(); }, kPaintTimeoutMs);
}

double BoardPlayer::timedClick(QWidget* control)
{
    m_application.watchClicksOn(control);
    QTest::mouseClick(control, Qt::LeftButton);
    // The click's changes are all made by now; the next paint shows them.
    m_application.awaitPaint();
    if (!ProcessEventsUntil([this] { return m_application.paintEnded(); }, kPaintTimeoutMs))
        return -1;
    return m_application.paintEndedAt() - m_application.pressedAt();
}

} // namespace zub::bench
