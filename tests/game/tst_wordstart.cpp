#include "gamefixture.h"

#include <QSet>

using namespace zub;
using namespace zub::test;

class WordStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The 960 x 660 board is centred across and stands 10 pixels above the middle; the halves of an odd
    // window truncate.
    void gameStartCentresTheBoard()
    {
        GameFixture f;
        f.game->FormActivate(959, 679);
        QCOMPARE(f.board().BackPanel.Left, -1);
        QCOMPARE(f.board().BackPanel.Top, -1);
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

    // The row of dashes and the slots stand where the board's font puts each dash of a word of that
    // length (the rows as the board was laid out by hand); slots past the word hold " " and stand at 420.
    void dashesAndSlotsFollowTheWord_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("lefts"); // Dashes, then Letter1 .. Letter13
        const QList<QList<int>> rows{
            {187, 184, 212, 242, 420, 420, 420, 420, 420, 420, 420, 420, 420, 420},
            {172, 170, 198, 226, 256, 420, 420, 420, 420, 420, 420, 420, 420, 420},
            {157, 154, 182, 212, 242, 271, 420, 420, 420, 420, 420, 420, 420, 420},
            {142, 140, 168, 198, 226, 255, 284, 420, 420, 420, 420, 420, 420, 420},
            {127, 124, 154, 182, 212, 241, 270, 299, 420, 420, 420, 420, 420, 420},
            {112, 110, 140, 168, 196, 225, 254, 283, 313, 420, 420, 420, 420, 420},
            {97, 94, 124, 152, 182, 211, 240, 267, 297, 325, 420, 420, 420, 420},
            {82, 78, 108, 138, 166, 195, 226, 253, 283, 313, 341, 420, 420, 420},
            {67, 64, 94, 122, 152, 181, 210, 239, 267, 297, 325, 355, 420, 420},
            {52, 49, 78, 107, 136, 166, 194, 222, 252, 280, 310, 338, 367, 420},
            {37, 35, 64, 94, 121, 150, 179, 210, 238, 266, 296, 324, 354, 382},
        };
        for (int length = 3; length <= 13; ++length)
            QTest::addRow("%d letters", length) << length << rows[length - 3];
    }
    void dashesAndSlotsFollowTheWord()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, lefts);
        const QString word = kLongWord.left(length);
        GameFixture f({word});
        f.start();
        QCOMPARE(f.state().WordLength, length);
        QCOMPARE(f.board().Dashes.Caption, QStringLiteral("_ ").repeated(length).chopped(1));
        QCOMPARE(f.board().Dashes.Left, lefts[0]);
        for (int n = 0; n < kLetterSlotCount; ++n) {
            QCOMPARE(f.board().Letter[n].Caption, n < length ? QString(word[n]) : QStringLiteral(" "));
            QCOMPARE(f.state().WordSlot[n], f.board().Letter[n].Caption);
            QCOMPARE(f.board().Letter[n].Left, lefts[n + 1]);
        }
    }

    // A list that cannot give a word stops the word start with an error naming the list chosen under
    // Words, whether it fails on the first line read or on the word drawn; the slots are hidden and the
    // tiles free, while the last word's letters, length and dashes stay as they were. The kinds of broken
    // list are in the robustness tests' catalogue.
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
        QFile::remove(path);
        Put(path, list);
        const QString message =
            ErrorOf([&] { words2000 ? f.game->NewWordClickClick() : f.game->Exit1Click(); });
        QVERIFY2(message.contains(path), qPrintable(message));
        QCOMPARE(f.word(), QStringLiteral("HORSE"));
        QCOMPARE(f.state().WordSlot[0], QStringLiteral("H"));
        QCOMPARE(f.board().Dashes.Caption, QStringLiteral("_ _ _ _ _"));
        QCOMPARE(f.board().Letter[0].Left, 154);
        QVERIFY(!f.board().Letter[0].Visible);
        QVERIFY(f.board().Tiles[0].Button.Enabled && !f.board().Tiles[7].Pic.Visible);
        QCOMPARE(f.state().ScorePoints, words2000 ? 500 : 0); // New Word keeps the score, New Game not
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
