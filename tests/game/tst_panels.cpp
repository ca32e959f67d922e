#include "gamefixture.h"

using namespace zub;
using namespace zub::test;

class PanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A qualifying loss offers the name entry at the game-over tick; confirming places the score, shows
    // the table and saves the file; the next qualifying game offers the same name again.
    void qualifyingGamesOfferTheNameEntry()
    {
        GameFixture f({kLongWord});
        f.start();
        f.scoreAndLose(kEasy, 3);
        QVERIFY(!f.board().EnterNamePanel.Visible);
        f.game->GameOverTimerTimer();
        QVERIFY(f.board().EnterNamePanel.Visible);
        QVERIFY(f.board().Timer1.Enabled && !f.board().GameOverTimer.Enabled);

        f.game->setNameText("Ada");
        f.game->NameOkButtonClick();
        QVERIFY(f.board().GameOverPanel.Visible && !f.board().EnterNamePanel.Visible);
        QCOMPARE(f.highScores().HSName(9), QStringLiteral("Ada"));
        QCOMPARE(f.highScores().HSScore(9), QStringLiteral("300"));
        QCOMPARE(f.state().ScorePoints, 0);
        QCOMPARE(f.board().ScorePointsLabel.Caption, QStringLiteral("300"));

        f.scoreAndLose(kEasy, 4);
        f.game->GameOverTimerTimer();
        QVERIFY(f.board().EnterNamePanel.Visible);
        QCOMPARE(f.board().NameText, QStringLiteral("Ada"));
        f.game->NameOkButtonClick();
        QCOMPARE(f.highScores().HSName(8), QStringLiteral("Ada"));
        QCOMPARE(f.highScores().HSScore(8), QStringLiteral("400"));
        QCOMPARE(f.highScores().HSScore(9), QStringLiteral("300"));
    }

    // A score equal to rank 10 offers nothing, and a stray OK on the hidden panel places nothing.
    void nonQualifyingLossOffersNothing()
    {
        GameFixture f({kLongWord});
        f.start();
        f.scoreAndLose(kEasy, 1);
        f.game->GameOverTimerTimer();
        QVERIFY(!f.board().EnterNamePanel.Visible && !f.board().GameOverPanel.Visible);
        const QByteArray file = ReadBytes(f.files.HighScores);
        f.game->NameOkButtonClick();
        QCOMPARE(ReadBytes(f.files.HighScores), file);
        QCOMPARE(f.state().ScorePoints, 100);
        QVERIFY(!f.board().GameOverPanel.Visible);
    }

    // New Game during the game-over pause ends the lost game's offer and keeps the music off.
    void newGameDuringTheGameOverPause()
    {
        GameFixture f({kLongWord});
        f.start();
        f.scoreAndLose(kHard, 3);
        f.game->Exit1Click();
        QVERIFY(!f.board().GameOverTimer.Enabled && !f.board().MovieScreen.Visible);
        f.cues.take();
        f.game->GameOverTimerTimer();
        QVERIFY(!f.board().EnterNamePanel.Visible && !f.board().Timer1.Enabled);
        QVERIFY(f.cues.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PanelsTest)
#include "tst_panels.moc"
