// Playing the game: the guesses, the cues they play and the menu commands.
#include "gamefixture.h"

#include <QHash>

using namespace zub;
using namespace zub::test;

namespace {

using Handler = void (Game::*)();

const QHash<QString, Handler> kCommands{
    {"New Game", &Game::Exit1Click},         {"Easy", &Game::EnableHints1Click},
    {"Normal", &Game::EnablePictures1Click}, {"Hard", &Game::EnableBoth1Click},
    {"New Word", &Game::NewWordClickClick},
};

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A level chosen after New Game sets its points and first stage at once and closes the Level menu until
    // the next New Game. Each level allows its number of wrong letters: every one of them moves both
    // pictures on by a stage, up to stage 11, and the next one loses the word with the pictures left at
    // stage 11 (the board's tests see both pictures of each stage) and the word shown, no slot past it.
    void levelSetsItsPointsAndWrongLetters_data()
    {
        QTest::addColumn<int>("allowed");
        QTest::addColumn<int>("firstStage");
        QTest::addColumn<int>("points");
        QTest::newRow("Easy") << 10 << 1 << 100;
        QTest::newRow("Normal") << 8 << 3 << 250;
        QTest::newRow("Hard") << 6 << 5 << 500;
    }
    void levelSetsItsPointsAndWrongLetters()
    {
        QFETCH(int, allowed);
        QFETCH(int, firstStage);
        QFETCH(int, points);
        GameFixture f({"CAT"});
        f.start();
        f.game->Exit1Click();
        (f.game.get()->*kCommands.value(QTest::currentDataTag()))();
        QCOMPARE(f.state().LetterPoints, points);
        QCOMPARE(f.state().HangPos, firstStage);
        QVERIFY(!f.flags().Hints1.Enabled);
        const Snapshot chosen(*f.game);
        for (Handler other : {&Game::EnableHints1Click, &Game::EnablePictures1Click, &Game::EnableBoth1Click})
            (f.game.get()->*other)();
        QVERIFY(Snapshot(*f.game) == chosen);

        for (int wrong = 1; wrong <= allowed; ++wrong) {
            f.miss(1);
            QCOMPARE(f.state().HangPos, firstStage + wrong);
            QVERIFY(!f.flags().MovieScreen.Visible);
        }
        QCOMPARE(f.state().HangPos, 11);
        f.guess("A");
        QVERIFY(!f.flags().MovieScreen.Visible);
        f.miss(1);
        QCOMPARE(f.state().WrongGuessCount, 11);
        QVERIFY(f.flags().MovieScreen.Visible);
        for (int n = 0; n < kLetterSlotCount; ++n)
            QCOMPARE(f.flags().Letter[n].Visible, n < 3);
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
            QVERIFY(!f.flags().WellDonePanel.Visible);
            f.guess(guesses.mid(i, 1));
            QCOMPARE(f.state().LettersFound, found[i]);
            QCOMPARE(f.state().ScorePoints, found[i] * points);
            QCOMPARE(f.flags().ScorePointsLabel.Caption, QString::number(found[i] * points));
        }
        QVERIFY(f.flags().WellDonePanel.Visible);
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
            return f.flags().NewWordClick.Enabled && !f.flags().NewWordPic.Visible;
        };
        f.start();
        QVERIFY(!available());
        f.chooseLevel(kHard);
        QVERIFY(available());
        f.game->NewWordClickClick();
        QVERIFY(!available());
        const Snapshot locked(*f.game);
        f.game->NewWordClickClick();
        QVERIFY(Snapshot(*f.game) == locked);
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
        QVERIFY(f.flags().WellDonePanel.Visible);
        f.game->WinTimerTimer();
        QVERIFY(!f.flags().WellDonePanel.Visible && !f.flags().WinTimer.Enabled);
        f.guess("C");
        QVERIFY(!available());
        f.guess("AT");
        f.cues.take();
        f.game->Exit1Click();
        QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play NewWord"}));
        QVERIFY(f.flags().WellDonePanel.Visible && f.flags().WinTimer.Enabled);
        f.game->WinTimerTimer();
        QVERIFY(!f.flags().WellDonePanel.Visible);
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
        QVERIFY(f.flags().Timer1.Enabled && !f.flags().GameOverTimer.Enabled);
        f.game->Timer1Timer();
        QCOMPARE(f.cues.take(), QStringList{"Play BackSound"});
    }

    // A level chosen while the Level menu is closed leaves the caption as it was: New Game's after New
    // Word, the first one before any New Game (the captions the commands set are read on the desktops). A
    // second level, Show and About leave it as it is too (see levelSetsItsPointsAndWrongLetters and
    // showAndAboutChangeNoGameState).
    void closedLevelMenuKeepsTheCaption_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("caption");
        const QString version = QStringLiteral("Hangman Version 1.2 - ");
        QTest::newRow("level after New Word")
            << "New Game,New Word,Hard" << version + "Level - Easy - Words 1000+";
        QTest::newRow("level before New Game") << "Hard" << version + " Level - Easy - Words 1000+";
    }
    void closedLevelMenuKeepsTheCaption()
    {
        QFETCH(QString, commands);
        QFETCH(QString, caption);
        GameFixture f;
        f.start();
        for (const QString& command : commands.split(u',', Qt::SkipEmptyParts))
            (f.game.get()->*kCommands.value(command))();
        QCOMPARE(f.flags().Caption, caption);
    }

    // New Game after a game at Hard returns to Easy with everything reset, the Words choice kept.
    void newGameAfterAHardGame()
    {
        GameFixture f({"CAT"}, {"DOG"});
        f.start();
        f.game->N20001Click();
        f.game->Exit1Click();
        f.game->EnableBoth1Click();
        f.guess("D");
        f.loseWord();
        f.game->Show1Click();
        f.game->About1Click();
        f.game->Exit1Click();
        // Easy and 2000+ checked; that each menu has one check mark is checked on the board.
        QVERIFY(f.flags().EnableHints1.Checked && f.flags().N20001.Checked);
        QCOMPARE(f.flags().Caption, QStringLiteral("Hangman Version 1.2 - Level - Easy - Words 2000+"));
        QCOMPARE(f.state().WrongGuessCount, 0);
        QVERIFY(f.flags().Hints1.Enabled);
        QVERIFY(f.flags().NewWordClick.Enabled && !f.flags().NewWordPic.Visible);
        QCOMPARE(f.state().ScorePoints, 0);
        QCOMPARE(f.flags().ScorePointsLabel.Caption, QStringLiteral("0"));
        QVERIFY(!f.flags().MovieScreen.Visible && !f.flags().GameOverPanel.Visible &&
                !f.flags().AboutPanel.Visible);
        QVERIFY(!f.flags().Timer1.Enabled);
        for (const Label& letter : f.flags().Letter)
            QVERIFY(!letter.Visible);
        QCOMPARE(f.word(), QStringLiteral("DOG"));
    }

    // Show and About, and the OK buttons that close their panels, change nothing else (the panels
    // themselves are checked on the board).
    void showAndAboutChangeNoGameState()
    {
        GameFixture f({"CAT"});
        f.start();
        f.guess("CZ");
        const Snapshot before(*f.game);
        f.game->Show1Click();
        f.game->Show1Click();
        f.game->About1Click();
        f.game->BitBtn2Click();
        f.game->BitBtn1Click();
        QVERIFY(Snapshot(*f.game) == before);
    }
};

QTEST_GUILESS_MAIN(PlayTest)
#include "tst_play.moc"
