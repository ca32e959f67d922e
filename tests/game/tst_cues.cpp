#include "gamefixture.h"

using namespace zub;
using namespace zub::test;

class CuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A letter at three positions plays MediaWin once for each, then WinSound when it completes the word.
    void letterAtThreePositionsThatWins()
    {
        GameFixture f({"BANANA"});
        f.start();
        f.guess("BN");
        f.cues.take();
        f.game->AButtonClick();
        QCOMPARE(f.cues.calls, (QStringList{"Stop BackSound", "Play MediaWin", "Play MediaWin",
                                            "Play MediaWin", "Play WinSound"}));
    }

    void wrongLetter()
    {
        GameFixture f({"CAT"});
        f.start();
        f.cues.take();
        f.game->ZButtonClick();
        QCOMPARE(f.cues.calls, (QStringList{"Stop BackSound", "Play LoseLetter"}));
    }

    // The losing click starts the game-over movie before the wrong-letter sound.
    void losingClick()
    {
        GameFixture f({"CAT"});
        f.start();
        f.miss(10);
        f.cues.take();
        f.miss(1);
        QCOMPARE(f.cues.calls, (QStringList{"Stop BackSound", "Play GameOverMovie", "Play LoseLetter"}));
    }

    // New Word right after a win cuts the win sound off; New Game leaves it playing.
    void newWordAndNewGameAfterAWin()
    {
        GameFixture f({"CAT"});
        f.start();
        f.winWord();
        f.cues.take();
        f.game->NewWordClickClick();
        QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play NewWord", "Stop WinSound"}));
        f.winWord();
        f.cues.take();
        f.game->Exit1Click();
        QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play NewWord"}));
    }

    // The music comes back with the game-over tick and with every Timer1 tick while Timer1 runs; the
    // first guess of a word stops it until then.
    void backgroundMusicFollowsTimer1()
    {
        GameFixture f({"CAT"});
        f.start();
        f.game->Timer1Timer();
        QCOMPARE(f.cues.take(), (QStringList{"Play BackSound", "Play BackSound"}));
        f.guess("C");
        f.cues.take();
        f.game->Timer1Timer();
        QVERIFY(f.cues.take().isEmpty());
        f.loseWord();
        f.cues.take();
        f.game->GameOverTimerTimer();
        QCOMPARE(f.cues.take(), QStringList{"Play BackSound"});
        QVERIFY(f.board().Timer1.Enabled && !f.board().GameOverTimer.Enabled);
        f.game->Timer1Timer();
        QCOMPARE(f.cues.take(), QStringList{"Play BackSound"});
    }
};

QTEST_GUILESS_MAIN(CuesTest)
#include "tst_cues.moc"
