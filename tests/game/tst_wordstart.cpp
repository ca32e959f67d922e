#include "gamefixture.h"

#include <QSet>
#include <cmath>

using namespace zub;
using namespace zub::test;

class WordStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The 960 x 660 board is centred across and stands 10 pixels above the middle; the halves of an odd
    // window truncate. Only the first activation starts the game; later ones leave the word, counters and
    // cues alone.
    void firstActivationStartsTheGame()
    {
        GameFixture f({"FOX"});
        f.game->FormActivate(959, 679);
        QCOMPARE(f.flags().BackPanel.Left, -1);
        QCOMPARE(f.flags().BackPanel.Top, -1);
        f.guess("FQ");
        const Snapshot before(*f.game);
        f.cues.take();
        WriteBytes(f.files.Words1000, WordList({"OWL"}));
        f.game->FormActivate(800, 600);
        QVERIFY(Snapshot(*f.game) == before);
        QVERIFY(f.cues.calls.isEmpty());
    }

    // The row of dashes, a dash and its blank 30 pixels wide, is centred on x = 232, and each slot of the
    // word stands over its dash, about 29 pixels after the one before (the board's font spaces the dashes
    // unevenly, so a slot may stand up to 4 pixels off); slots past the word hold " " and stand at 420.
    void dashesAndSlotsFollowTheWord()
    {
        for (int length = 3; length <= 13; ++length) {
            const QString word = kLongWord.left(length);
            GameFixture f({word});
            f.start();
            QCOMPARE(f.state().WordLength, length);
            QCOMPARE(f.flags().Dashes.Caption, QStringLiteral("_ ").repeated(length).chopped(1));
            QCOMPARE(f.flags().Dashes.Left, 232 - 15 * length);
            for (int n = 0; n < kLetterSlotCount; ++n) {
                const Label& slot = f.flags().Letter[n];
                QCOMPARE(slot.Caption, n < length ? QString(word[n]) : QStringLiteral(" "));
                QCOMPARE(f.state().WordSlot[n], slot.Caption);
                const double overDash = f.flags().Dashes.Left - 3 + 29.2 * n;
                QVERIFY2(
                    n < length ? std::abs(slot.Left - overDash) <= 4 : slot.Left == 420,
                    qPrintable(QStringLiteral("slot %1 of %2 at %3").arg(n + 1).arg(length).arg(slot.Left)));
            }
        }
    }

    // A list that cannot give a word stops the word start with an error naming the list chosen under
    // Words, whether it fails on the first line read or on the word drawn; the slots are hidden and the
    // tiles free, while the last word's letters, length and dashes stay as they were. The kinds of broken
    // list are in the catalogue below.
    void brokenListKeepsTheLastWord_data()
    {
        QTest::addColumn<bool>("words2000");
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("1000+ missing, at New Game") << false << kMissing;
        QTest::newRow("2000+ with a short word, at New Word") << true << QByteArray("1\r\nOX\r\n");
    }
    void brokenListKeepsTheLastWord()
    {
        QFETCH(bool, words2000);
        QFETCH(QByteArray, list);
        GameFixture f({"HORSE"}, {"HORSE"});
        f.start();
        const QString path = words2000 ? f.files.Words2000 : f.files.Words1000;
        if (words2000)
            f.game->N20001Click();
        f.guess(words2000 ? "HORSE" : "HZ");
        Put(path, list);
        const QString message =
            ErrorOf([&] { words2000 ? f.game->NewWordClickClick() : f.game->Exit1Click(); });
        QVERIFY2(message.contains(path), qPrintable(message));
        QCOMPARE(f.word(), QStringLiteral("HORSE"));
        QCOMPARE(f.state().WordSlot[0], QStringLiteral("H"));
        QCOMPARE(f.flags().Dashes.Caption, QStringLiteral("_ _ _ _ _"));
        QCOMPARE(f.flags().Letter[0].Left, 154);
        QVERIFY(!f.flags().Letter[0].Visible);
        QVERIFY(f.flags().Tiles[0].Button.Enabled && !f.flags().Tiles[7].Pic.Visible);
        QCOMPARE(f.state().ScorePoints, words2000 ? 500 : 0); // New Word keeps the score, New Game not
    }

    // Broken word lists: the game start either draws a word the tiles can finish or stops with a short
    // error that names the list; the list is never changed, and after the list is mended New Game plays
    // on. The draw takes line (draw mod count) + 1. A good list gives `word`; a bad one an error holding
    // `error`.
    void wordStartDrawsAWordOrNamesTheList_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("error");

        const QString notANumber = QStringLiteral("is not a valid integer value");
        const QString notAWord = QStringLiteral("not a word of 3 to 13 capital letters");

        // The file itself
        QTest::newRow("missing") << kMissing << 0 << QString() << "Cannot open file";
        QTest::newRow("a folder") << kFolder << 0 << QString() << "It is a folder";
        QTest::newRow("empty") << QByteArray() << 0 << QString() << "List index out of bounds (0)";
        QTest::newRow("LF then CR ends two lines, CR alone one")
            << QByteArray("3\rCAT\n\rDOG\r\n") << 2 << "DOG" << QString();

        // Line 0, the count
        QTest::newRow("count in words")
            << QByteArray("twelve\r\nCAT\r\n") << 0 << QString() << "'twelve' " + notANumber;
        QTest::newRow("count 0 takes line 1") << QByteArray("0\r\nCAT\r\n") << 12345 << "CAT" << QString();
        QTest::newRow("negative count") << QByteArray("-2\r\nCAT\r\nDOG\r\n") << 3 << "DOG" << QString();
        QTest::newRow("lowest count") << QByteArray("-2147483648\r\nCAT\r\n") << 0 << "CAT" << QString();
        QTest::newRow("huge count") << QByteArray("2147483647\r\nCAT\r\n") << 1000 << QString()
                                    << "List index out of bounds (1001)";
        QTest::newRow("count past the last line")
            << QByteArray("5\r\nCAT\r\nDOG\r\nEMU\r\n") << 4 << QString() << "List index out of bounds (5)";

        // The word lines
        QTest::newRow("thirteen letters")
            << QByteArray("1\r\nABCDEFGHIJKLM") << 0 << "ABCDEFGHIJKLM" << QString();
        QTest::newRow("fourteen letters") << QByteArray("1\r\nABCDEFGHIJKLMN") << 0 << QString() << notAWord;
        QTest::newRow("two letters") << QByteArray("1\r\nAB") << 0 << QString() << notAWord;
        QTest::newRow("lower case") << QByteArray("1\r\ncat") << 0 << QString() << notAWord;
        QTest::newRow("NUL in the word") << QByteArray("1\r\nCA\0T", 7) << 0 << QString() << notAWord;
        QTest::newRow("8-bit letter") << QByteArray("1\r\nCAF\xc9") << 0 << QString() << notAWord;
    }
    void wordStartDrawsAWordOrNamesTheList()
    {
        QFETCH(QByteArray, list);
        QFETCH(int, draw);
        QFETCH(QString, word);
        QFETCH(QString, error);

        GameFixture f({"CAT"}, {"DOG"}, 1, draw);
        const QString path = f.files.Words1000;
        Put(path, list);

        const QString message = ErrorOf([&] { f.start(); });
        if (error.isEmpty()) {
            QVERIFY2(message.isNull(), qPrintable(message.left(300)));
            QCOMPARE(f.word(), word);
        } else {
            CheckErrorNames(message, path, error);
            // The table is left unloaded, and with no word on the board a tile is a wrong letter.
            QCOMPARE(f.flags().HSLabel[0], QStringLiteral("HSLabel1"));
            f.guess("A");
            QVERIFY(!f.flags().WellDonePanel.Visible && !f.flags().WinTimer.Enabled);
            QCOMPARE(f.state().HangPos, 2);
        }
        QVERIFY(Contents(path) == list);

        // The game goes on: with the list mended, New Game draws from it.
        Put(path, "1\r\nDOG\r\n");
        const QString retry = ErrorOf([&] { f.game->Exit1Click(); });
        QVERIFY2(retry.isNull(), qPrintable(retry));
        QCOMPARE(f.word(), QStringLiteral("DOG"));
        f.game->LetterClick('D');
        QCOMPARE(f.state().LettersFound, 1);
    }

    // The source is not reseeded for each word, so words started in quick succession vary; they follow
    // from the seed alone, so a seeded run draws the same words again and another seed draws others.
    void wordsInARowVaryAndFollowTheSeed()
    {
        QStringList words;
        for (char a = 'A'; a <= 'Z'; ++a)
            words << QStringLiteral("%1%1X").arg(QLatin1Char(a));
        const auto wordsInARow = [&words](unsigned seed) {
            GameFixture f(words, {"DOG"}, seed);
            f.start();
            QStringList drawn{f.word()};
            for (int i = 0; i < 20; ++i) {
                f.game->Exit1Click();
                drawn << f.word();
            }
            return drawn;
        };
        const QStringList drawn = wordsInARow(7);
        QVERIFY2(QSet<QString>(drawn.begin(), drawn.end()).size() > 10, qPrintable(drawn.join(u' ')));
        QCOMPARE(wordsInARow(7), drawn);
        QVERIFY(wordsInARow(8) != drawn);
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
