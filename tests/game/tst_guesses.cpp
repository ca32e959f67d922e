#include "gamefixture.h"

using namespace zub;
using namespace zub::test;

class GuessesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each level allows its number of wrong letters: every one of them moves both pictures on by a stage,
    // up to stage 11, and the next one loses the word with the pictures left at stage 11. (That both
    // pictures show the stage is checked after every event of the property run.)
    void wrongLettersUpToTheLevelsLimit_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("allowed");
        QTest::addColumn<int>("firstStage");
        QTest::addColumn<int>("points");
        QTest::newRow("Easy") << kEasy << 10 << 1 << 100;
        QTest::newRow("Normal") << kNormal << 8 << 3 << 250;
        QTest::newRow("Hard") << kHard << 6 << 5 << 500;
    }
    void wrongLettersUpToTheLevelsLimit()
    {
        QFETCH(int, level);
        QFETCH(int, allowed);
        QFETCH(int, firstStage);
        QFETCH(int, points);
        GameFixture f({"CAT"});
        f.start();
        f.chooseLevel(level);
        QCOMPARE(f.state().HangPos, firstStage);
        for (int wrong = 1; wrong <= allowed; ++wrong) {
            f.miss(1);
            QCOMPARE(f.state().HangPos, firstStage + wrong);
            QVERIFY(!f.board().MovieScreen.Visible);
        }
        QCOMPARE(f.state().HangPos, 11);
        f.guess("A");
        QVERIFY(!f.board().MovieScreen.Visible);
        f.miss(1);
        QCOMPARE(f.state().WrongGuessCount, 11);
        QVERIFY(f.board().MovieScreen.Visible);
        QCOMPARE(f.state().LettersFound, 1);
        QCOMPARE(f.state().ScorePoints, points);
    }

    // A letter scores at every position that holds it; the guess that reveals the last hidden position
    // wins, whatever the wrong letters so far.
    void lettersScorePerPositionUntilTheWin_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("guesses");
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<int>("points"); // a letter's worth at the level
        QTest::newRow("Normal, L twice") << "LEVEL" << kNormal << "LEV" << QList<int>{2, 4, 5} << 250;
        QTest::newRow("Easy, three A") << "BANANA" << kEasy << "ANB" << QList<int>{3, 5, 6} << 100;
        QTest::newRow("Hard, I twice") << "IRIS" << kHard << "ISR" << QList<int>{2, 3, 4} << 500;
        QTest::newRow("with misses") << "CAT" << kEasy << "QCXYZAT" << QList<int>{0, 1, 1, 1, 1, 2, 3} << 100;
    }
    void lettersScorePerPositionUntilTheWin()
    {
        QFETCH(QString, word);
        QFETCH(int, level);
        QFETCH(QString, guesses);
        QFETCH(QList<int>, found);
        QFETCH(int, points);
        GameFixture f({word});
        f.start();
        f.chooseLevel(level);
        for (int i = 0; i < guesses.size(); ++i) {
            QVERIFY(!f.board().WellDonePanel.Visible);
            f.guess(guesses.mid(i, 1));
            QCOMPARE(f.state().LettersFound, found[i]);
            QCOMPARE(f.state().ScorePoints, found[i] * points);
            QCOMPARE(f.board().ScorePointsLabel.Caption, QString::number(found[i] * points));
        }
        QVERIFY(f.board().WellDonePanel.Visible);
    }

    // New Word is offered after New Game and after a won word, and taken away by its own use, by a guess,
    // by the game start and by a lost word; while it is locked a click on it does nothing. It keeps the
    // score and the level and starts the next word at the level's first stage and points. Right after a
    // win New Word cuts the win sound off, New Game leaves it playing; both leave the well-done display to
    // WinTimer, which hides it when it fires.
    void newWordAvailabilityAndScore()
    {
        GameFixture f({"CAT"});
        const auto available = [&f] {
            return f.board().NewWordClick.Enabled && !f.board().NewWordPic.Visible;
        };
        f.start();
        QVERIFY(!available());
        f.chooseLevel(kHard);
        QVERIFY(available());
        f.game->NewWordClickClick();
        QVERIFY(!available());
        const QString locked = Snapshot(*f.game);
        f.game->NewWordClickClick();
        QCOMPARE(Snapshot(*f.game), locked);
        f.miss(2);
        f.winWord();
        QVERIFY(available());
        f.cues.take();
        f.game->NewWordClickClick();
        QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play NewWord", "Stop WinSound"}));
        QCOMPARE(f.state().ScorePoints, 1500);
        QCOMPARE(f.state().WrongGuessCount, 4);
        QCOMPARE(f.state().HangPos, 5);
        QCOMPARE(f.state().LetterPoints, 500);
        QCOMPARE(f.state().LettersFound, 0);
        QVERIFY(f.board().WellDonePanel.Visible);
        f.game->WinTimerTimer();
        QVERIFY(!f.board().WellDonePanel.Visible && !f.board().WinTimer.Enabled);
        f.guess("C");
        QVERIFY(!available());
        f.guess("AT");
        f.cues.take();
        f.game->Exit1Click();
        QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play NewWord"}));
        QVERIFY(f.board().WellDonePanel.Visible && f.board().WinTimer.Enabled);
        f.game->WinTimerTimer();
        QVERIFY(!f.board().WellDonePanel.Visible);
        QVERIFY(available());
        f.game->NewWordClickClick();
        f.loseWord();
        QVERIFY(!available());
    }

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

QTEST_GUILESS_MAIN(GuessesTest)
#include "tst_guesses.moc"
