#include "gamefixture.h"

using namespace zub;
using namespace zub::test;

class CuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The cues of a click after the guesses before it: MediaWin for each position the letter holds, then
    // WinSound when it completes the word; the losing click starts the game-over movie before the
    // wrong-letter sound.
    void cuesOfAClick()
    {
        const auto cuesOf = [](const QString& word, const QString& before, const QString& click) {
            GameFixture f({word});
            f.start();
            f.guess(before);
            f.cues.take();
            f.guess(click);
            return f.cues.take();
        };
        QCOMPARE(cuesOf("BANANA", "BN", "A"), (QStringList{"Stop BackSound", "Play MediaWin", "Play MediaWin",
                                                           "Play MediaWin", "Play WinSound"}));
        QCOMPARE(cuesOf("CAT", "", "Z"), (QStringList{"Stop BackSound", "Play LoseLetter"}));
        QCOMPARE(cuesOf("CAT", "BDEFGHIJKL", "M"),
                 (QStringList{"Stop BackSound", "Play GameOverMovie", "Play LoseLetter"}));
    }

    // New Word right after a win cuts the win sound off; New Game leaves it playing, and the well-done
    // display to WinTimer, which hides it when it fires.
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
        QVERIFY(f.board().WellDonePanel.Visible && f.board().WinTimer.Enabled);
        f.game->WinTimerTimer();
        QVERIFY(!f.board().WellDonePanel.Visible);
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
