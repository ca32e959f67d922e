#include "gamefixture.h"

#include <QHash>

using namespace zub;
using namespace zub::test;

namespace {

using Handler = void (Game::*)();

const QHash<QString, Handler> kCommands{
    {"New Game", &Game::Exit1Click},         {"1000+", &Game::N10001Click},
    {"2000+", &Game::N20001Click},           {"Easy", &Game::EnableHints1Click},
    {"Normal", &Game::EnablePictures1Click}, {"Hard", &Game::EnableBoth1Click},
    {"New Word", &Game::NewWordClickClick},  {"Show", &Game::Show1Click},
    {"About", &Game::About1Click},
};

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The caption after each command, replaced whole by a fixed text (those of the Words and Level menus
    // are checked on the board). A second level, Show and About leave it as it is (see
    // levelChosenOncePerGame and showAndAboutChangeNoGameState).
    void captionAfterCommands_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("caption");
        const QString version = QStringLiteral("Hangman Version 1.2 - ");
        QTest::newRow("start") << "" << version + " Level - Easy - Words 1000+";
        QTest::newRow("Hard then 2000+") << "New Game,Hard,2000+" << version + "Level - Easy -Words 2000+";
        QTest::newRow("level after New Word")
            << "New Game,New Word,Hard" << version + "Level - Easy - Words 1000+";
        QTest::newRow("level before New Game") << "Hard" << version + " Level - Easy - Words 1000+";
    }
    void captionAfterCommands()
    {
        QFETCH(QString, commands);
        QFETCH(QString, caption);
        GameFixture f;
        f.start();
        for (const QString& command : commands.split(u',', Qt::SkipEmptyParts))
            (f.game.get()->*kCommands.value(command))();
        QCOMPARE(f.board().Caption, caption);
    }

    // A level chosen after New Game sets its points, counter, stage and pictures at once and closes the
    // Level menu until the next New Game.
    void levelChosenOncePerGame_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("counter"); // WrongGuessCount, and one stage less than the pictures
        QTest::newRow("Easy") << 100 << 0;
        QTest::newRow("Normal") << 250 << 2;
        QTest::newRow("Hard") << 500 << 4;
    }
    void levelChosenOncePerGame()
    {
        QFETCH(int, points);
        QFETCH(int, counter);
        GameFixture f;
        f.start();
        f.game->Exit1Click();
        (f.game.get()->*kCommands.value(QTest::currentDataTag()))();
        QCOMPARE(f.state().LetterPoints, points);
        QCOMPARE(f.state().WrongGuessCount, counter);
        QCOMPARE(f.board().HangmanPic.ResourceName, QStringLiteral("HANGPOS%1").arg(counter + 1));
        QVERIFY(!f.board().Hints1.Enabled);
        const QString chosen = Snapshot(*f.game);
        for (Handler other : {&Game::EnableHints1Click, &Game::EnablePictures1Click, &Game::EnableBoth1Click})
            (f.game.get()->*other)();
        QCOMPARE(Snapshot(*f.game), chosen);
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
        QVERIFY(f.board().EnableHints1.Checked && !f.board().EnablePictures1.Checked &&
                !f.board().EnableBoth1.Checked);
        QVERIFY(f.board().N20001.Checked && !f.board().N10001.Checked);
        QCOMPARE(f.board().Caption, QStringLiteral("Hangman Version 1.2 - Level - Easy - Words 2000+"));
        QCOMPARE(f.state().WrongGuessCount, 0);
        QVERIFY(f.board().Hints1.Enabled);
        QVERIFY(f.board().NewWordClick.Enabled && !f.board().NewWordPic.Visible);
        QCOMPARE(f.state().ScorePoints, 0);
        QCOMPARE(f.board().ScorePointsLabel.Caption, QStringLiteral("0"));
        QVERIFY(!f.board().MovieScreen.Visible && !f.board().GameOverPanel.Visible &&
                !f.board().AboutPanel.Visible);
        QVERIFY(!f.board().Timer1.Enabled);
        for (const Label& letter : f.board().Letter)
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
        const QString before = Snapshot(*f.game);
        f.game->Show1Click();
        f.game->Show1Click();
        f.game->About1Click();
        f.game->BitBtn2Click();
        f.game->BitBtn1Click();
        QCOMPARE(Snapshot(*f.game), before);
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
