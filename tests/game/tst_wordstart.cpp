#include "game/dashlayout.h"
#include "gamefixture.h"

#include <QSet>

using namespace zub;
using namespace zub::test;

class WordStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The game start leaves the first word in play at stage 1 with the Level menu and New Word locked.
    void gameStartPreparesTheBoard()
    {
        GameFixture f({"FOX"});
        f.start();
        QCOMPARE(f.cues.calls, QStringList{"Play BackSound"});
        QCOMPARE(f.board().HangmanPic.ResourceName, QStringLiteral("HANGPOS1"));
        QCOMPARE(f.board().SwitchPosPic.ResourceName, QStringLiteral("SWITCHPOS1"));
        QCOMPARE(f.board().HighScoreImage.ResourceName, QStringLiteral("HANGHIGHSCORE"));
        QVERIFY(!f.board().Hints1.Enabled);
        QVERIFY(!f.board().NewWordClick.Enabled);
        QVERIFY(f.board().NewWordPic.Visible);
        QCOMPARE(f.state().LetterPoints, 100);
        QCOMPARE(f.word(), QStringLiteral("FOX"));
        for (const Tile& tile : f.board().Tiles)
            QVERIFY(tile.Button.Enabled && !tile.Pic.Visible);
        for (const Label& letter : f.board().Letter)
            QVERIFY(!letter.Visible);
        QCOMPARE(f.board().HSLabel[0], QStringLiteral("Name1"));
        QCOMPARE(f.board().HSLabel[19], QStringLiteral("100"));
        QCOMPARE(f.board().HighestScoreLabel.Caption, QStringLiteral("1500"));
        QCOMPARE(f.board().Caption, QStringLiteral("Hangman Version 1.2 -  Level - Easy - Words 1000+"));
    }

    // The 960 x 660 board is centred across and stands 10 pixels above the middle; halves truncate.
    void gameStartCentresTheBoard_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("1024 x 680") << 1024 << 680 << 32 << 0;
        QTest::newRow("odd width") << 1023 << 680 << 31 << 0;
        QTest::newRow("too low") << 1024 << 600 << 32 << -40;
        QTest::newRow("odd and small") << 959 << 679 << -1 << -1;
    }
    void gameStartCentresTheBoard()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        GameFixture f;
        f.game->FormActivate(width, height);
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(f.board().BackPanel.Left, left);
        QCOMPARE(f.board().BackPanel.Top, top);
    }

    // Only the first activation starts the game; later ones leave the word, counters and cues alone.
    void laterActivationsChangeNothing()
    {
        GameFixture f({"FOX"});
        f.start();
        f.guess("FQ");
        const QString before = Snapshot(*f.game);
        f.cues.take();
        WriteBytes(f.files.Words1000, WordList({"OWL"}));
        f.game->FormActivate(800, 600);
        QCOMPARE(Snapshot(*f.game), before);
        QVERIFY(f.cues.calls.isEmpty());
    }

    // The row of dashes and the slots follow the word's length; slots past the word hold " " at Left 420.
    void dashesAndSlotsFollowTheWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("dashesLeft");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("3 letters") << "CAT" << 187 << QList<int>{184, 212, 242};
        QTest::newRow("8 letters") << "ELEPHANT" << 112 << QList<int>{110, 140, 168, 196, 225, 254, 283, 313};
        QTest::newRow("13 letters") << "ABCDEFGHJKLMN" << 37 << QList<int>{35,  64,  94,  121, 150, 179, 210,
                                                                           238, 266, 296, 324, 354, 382};
    }
    void dashesAndSlotsFollowTheWord()
    {
        QFETCH(QString, word);
        QFETCH(QList<int>, lefts);
        QFETCH(int, dashesLeft);
        GameFixture f({word});
        f.start();
        QCOMPARE(f.state().WordLength, word.size());
        QCOMPARE(f.board().Dashes.Caption, QStringLiteral("_ ").repeated(word.size()).chopped(1));
        QCOMPARE(f.board().Dashes.Left, dashesLeft);
        for (int n = 0; n < kLetterSlotCount; ++n) {
            const bool inWord = n < word.size();
            QCOMPARE(f.board().Letter[n].Caption, inWord ? QString(word[n]) : QStringLiteral(" "));
            QCOMPARE(f.state().WordSlot[n], f.board().Letter[n].Caption);
            QCOMPARE(f.board().Letter[n].Left, inWord ? lefts[n] : kParkedLeft);
        }
    }

    // Each row of the layout sets the dashes at 232 - 15 x length and the word's slots left to right,
    // 27 to 31 pixels apart, over the width of the row of dashes.
    void dashLayoutAgreesWithTheRowOfDashes()
    {
        for (int length = kShortestWord; length <= kLongestWord; ++length) {
            const DashLayout& layout = kDashLayouts[length - kShortestWord];
            QCOMPARE(layout.Dashes, 232 - 15 * length);
            for (int n = 1; n < length; ++n)
                QVERIFY(layout.Letter[n] - layout.Letter[n - 1] >= 27 &&
                        layout.Letter[n] - layout.Letter[n - 1] <= 31);
            QVERIFY(qAbs(layout.Letter[0] - layout.Dashes) <= 4);
            for (int n = length; n < kLetterSlotCount; ++n)
                QCOMPARE(layout.Letter[n], kParkedLeft);
        }
    }

    // A lone I stands, and is matched, as " I".
    void anIStandsWithABlankBeforeIt()
    {
        GameFixture f({"IRIS"});
        f.start();
        QCOMPARE(f.board().Letter[0].Caption, QStringLiteral(" I"));
        QCOMPARE(f.state().WordSlot[2], QStringLiteral(" I"));
        QCOMPARE(f.state().WordSlot[1], QStringLiteral("R"));
    }

    // A count of 0, 1 or below 0 on line 0 always draws line 1.
    void smallCountsDrawTheFirstWord_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("0") << "0";
        QTest::newRow("1") << "1";
        QTest::newRow("-1") << "-1";
        QTest::newRow("blanks and zeros") << "  001";
    }
    void smallCountsDrawTheFirstWord()
    {
        QFETCH(QString, count);
        GameFixture f;
        WriteBytes(f.files.Words1000, (count + "\r\nFIRST\r\nSECOND\r\n").toUtf8());
        for (int i = 0; i < 5; ++i) {
            f.game->Exit1Click();
            QCOMPARE(f.word(), QStringLiteral("FIRST"));
        }
    }

    // A list that cannot give a word stops the word start with an error naming the file; the slots are
    // hidden and the tiles free, while the last word's letters, length and dashes stay as they were.
    void brokenListKeepsTheLastWord_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("missing") << QByteArray() << "";
        QTest::newRow("count not a number")
            << QByteArray("many\r\nOWL\r\n") << "'many' is not a valid integer value";
        QTest::newRow("empty file") << QByteArray("") << "List index out of bounds (0)";
        QTest::newRow("fewer words than counted") << QByteArray("3\r\n") << "List index out of bounds";
        QTest::newRow("word too short") << QByteArray("1\r\nOX\r\n") << "\"OX\"";
        QTest::newRow("word too long") << QByteArray("1\r\nABCDEFGHIJKLMN\r\n") << "\"ABCDEFGHIJKLMN\"";
        QTest::newRow("small letters") << QByteArray("1\r\nowl\r\n") << "\"owl\"";
        QTest::newRow("hyphen") << QByteArray("1\r\nX-RAY\r\n") << "\"X-RAY\"";
    }
    void brokenListKeepsTheLastWord()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, errorPart);
        GameFixture f({"HORSE"});
        f.start();
        f.guess("HZ");
        if (QTest::currentDataTag() == QLatin1String("missing"))
            QFile::remove(f.files.Words1000);
        else
            WriteBytes(f.files.Words1000, content);
        const QString message = ErrorOf([&] { f.game->Exit1Click(); });
        QVERIFY2(message.contains(f.files.Words1000) && message.contains(errorPart), qPrintable(message));
        QCOMPARE(f.word(), QStringLiteral("HORSE"));
        QCOMPARE(f.state().WordSlot[0], QStringLiteral("H"));
        QCOMPARE(f.board().Dashes.Caption, QStringLiteral("_ _ _ _ _"));
        QCOMPARE(f.board().Letter[0].Left, 154);
        QVERIFY(!f.board().Letter[0].Visible);
        QVERIFY(f.board().Tiles[0].Button.Enabled && !f.board().Tiles[7].Pic.Visible);
        QCOMPARE(f.state().ScorePoints, 0);
    }

    // At the game start a broken list also keeps the high-score table from loading.
    void brokenListAtGameStartSkipsTheTable()
    {
        GameFixture f;
        QFile::remove(f.files.Words1000);
        QVERIFY(ErrorOf([&] { f.start(); }).contains(f.files.Words1000));
        QCOMPARE(f.board().HSLabel[0], QStringLiteral("HSLabel1"));
        QCOMPARE(f.board().HangmanPic.ResourceName, QStringLiteral("HANGPOS1"));
    }

    // The source is not reseeded for each word, so words started in quick succession vary.
    void wordsInARowAreNotForcedEqual()
    {
        QStringList words;
        for (char a = 'A'; a <= 'Z'; ++a)
            words << QStringLiteral("%1%1X").arg(QLatin1Char(a));
        GameFixture f(words);
        f.start();
        QSet<QString> seen{f.word()};
        for (int i = 0; i < 20; ++i) {
            f.game->Exit1Click();
            seen.insert(f.word());
        }
        QVERIFY2(seen.size() > 10, qPrintable(QString::number(seen.size())));
    }

    // The checked Words item picks the file; a change takes effect at the next word.
    void checkedWordsItemPicksTheList()
    {
        GameFixture f({"CAT"}, {"DOG"});
        f.start();
        f.game->N20001Click();
        QCOMPARE(f.word(), QStringLiteral("CAT"));
        f.game->Exit1Click();
        QCOMPARE(f.word(), QStringLiteral("DOG"));
        f.game->N10001Click();
        f.winWord();
        f.game->NewWordClickClick();
        QCOMPARE(f.word(), QStringLiteral("CAT"));
    }
};

QTEST_GUILESS_MAIN(WordStartTest)
#include "tst_wordstart.moc"
