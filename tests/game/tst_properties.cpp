#include "gamefixture.h"

#include <random>

using namespace zub;
using namespace zub::test;

namespace {

const QStringList kWords{"CAT", "IRIS", "BANANA", "LEVEL", "QUIZ", "MISSISSIPPI", "ABCDEFGHJKLMN", "JAZZ"};
const QStringList kNames{"Ada", "", "Bo\r\nCy", QStringLiteral("Zo\u00eb\u2028"), "  "};

// Plays random events on one game: clicks on any tile, every command, names and the ticks of the
// timers that run. After every event the invariants of the rules are checked.
class RandomPlayer
{
public:
    explicit RandomPlayer(unsigned seed) : m_fixture(kWords, kWords.mid(3), seed), m_dice(seed) {}

    int play(int gamesWanted)
    {
        m_fixture.start();
        check();
        int games = 0;
        while (games < gamesWanted && !QTest::currentTestFailed()) {
            games += step() ? 1 : 0;
            check();
        }
        return games;
    }

    // The random games reached won words, lost words and names placed in the high-score table.
    void checkReach()
    {
        QVERIFY(m_fixture.cues.calls.contains("Play WinSound"));
        QVERIFY(m_fixture.cues.calls.contains("Play GameOverMovie"));
        QVERIFY(ReadBytes(m_fixture.files.HighScores) != ReadBytes(m_fixture.files.HighScoreTemplate));
    }

private:
    int roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(m_dice); }

    // One random event; true when it was New Game.
    bool step()
    {
        Game& game = *m_fixture.game;
        const ComponentFlags& flags = game.flags();
        const int event = roll(100);
        if (event < 30) {
            game.LetterClick(char('A' + roll(26)));
        } else if (event < 60) { // a letter of the word, as a good player would guess
            const QString word = m_fixture.word();
            game.LetterClick(char(word[roll(int(word.size()))].unicode()));
        } else if (event < 66) {
            game.NewWordClickClick();
        } else if (event < 68 || (event < 75 && flags.MovieScreen.Visible)) {
            game.Exit1Click();
            return true;
        } else if (event < 78) {
            using Handler = void (Game::*)();
            const Handler commands[] = {
                &Game::EnableHints1Click, &Game::EnablePictures1Click, &Game::EnableBoth1Click,
                &Game::N10001Click,       &Game::N20001Click,          &Game::Show1Click,
                &Game::About1Click,       &Game::BitBtn1Click,         &Game::BitBtn2Click};
            (game.*commands[roll(9)])();
        } else if (event < 82) {
            game.setNameText(kNames[roll(int(kNames.size()))]);
            game.NameOkButtonClick();
        } else if (event < 88 && flags.WinTimer.Enabled) {
            game.WinTimerTimer();
        } else if (event < 94 && flags.GameOverTimer.Enabled) {
            game.GameOverTimerTimer();
        } else if (flags.Timer1.Enabled) {
            game.Timer1Timer();
        }
        return false;
    }

    void check()
    {
        const GameState& s = m_fixture.state();
        const ComponentFlags& b = m_fixture.flags();
        QCOMPARE(s.SwitchPos, s.HangPos);
        QCOMPARE(s.HangPos, s.WrongGuessCount + 1);
        QVERIFY(s.WrongGuessCount >= 0 && s.WrongGuessCount <= 11);
        QCOMPARE(b.HangmanPic.ResourceName, QStringLiteral("HANGPOS%1").arg(qMin(s.HangPos, 11)));
        QCOMPARE(b.SwitchPosPic.ResourceName, QStringLiteral("SWITCHPOS%1").arg(qMin(s.HangPos, 11)));
        QCOMPARE(int(b.N10001.Checked) + int(b.N20001.Checked), 1);
        QCOMPARE(int(b.EnableHints1.Checked) + int(b.EnablePictures1.Checked) + int(b.EnableBoth1.Checked),
                 1);
        const int points = b.EnableBoth1.Checked ? 500 : b.EnablePictures1.Checked ? 250 : 100;
        QCOMPARE(s.LetterPoints, points);
        QVERIFY(s.WordLength >= 3 && s.WordLength <= 13);
        QVERIFY(s.ScorePoints >= 0);
        for (const Tile& tile : b.Tiles)
            QCOMPARE(tile.Pic.Visible, !tile.Button.Enabled);
        for (int n = s.WordLength; n < kLetterSlotCount; ++n)
            QVERIFY(!b.Letter[n].Visible);
        if (b.WinTimer.Enabled)
            QVERIFY(b.WellDonePanel.Visible);
        for (int rank = 2; rank <= kRankCount; ++rank)
            QVERIFY(m_fixture.highScores().HSScore(rank).toInt() <=
                    m_fixture.highScores().HSScore(rank - 1).toInt());
        if (b.MovieScreen.Visible) // the word is lost and shown whole
            return;
        QVERIFY(s.LettersFound >= 0 && s.LettersFound <= s.WordLength);
        int shown = 0;
        for (int n = 0; n < s.WordLength; ++n)
            shown += b.Letter[n].Visible ? 1 : 0;
        QCOMPARE(shown, s.LettersFound);
        // From the first guess of a word to its end the points per letter stay the same.
        int guessed = 0;
        for (const Tile& tile : b.Tiles)
            guessed += tile.Button.Enabled ? 0 : 1;
        if (guessed == 0)
            m_guessedPoints = -1;
        else if (m_guessedPoints < 0)
            m_guessedPoints = s.LetterPoints;
        else
            QCOMPARE(s.LetterPoints, m_guessedPoints);
    }

    GameFixture m_fixture;
    std::mt19937 m_dice;
    int m_guessedPoints = -1; // LetterPoints at the first guess of the word in play, -1 before it
};

} // namespace

class PropertiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Thousands of seeded random games keep the invariants of the rules after every event.
    void invariantsHoldThroughRandomGames_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 10; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void invariantsHoldThroughRandomGames()
    {
        QFETCH(unsigned, seed);
        RandomPlayer player(seed);
        QCOMPARE(player.play(300), 300);
        player.checkReach();
    }
};

QTEST_GUILESS_MAIN(PropertiesTest)
#include "tst_properties.moc"
