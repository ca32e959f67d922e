// Broken word lists: the game start either draws a word the tiles can finish or stops with a short error
// that names the list; the list is never changed, and after the list is mended New Game plays on.
#include "gamefixture.h"

using namespace zub;
using namespace zub::test;

class MalformedWordListsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The draw takes line (draw mod count) + 1. A good list gives `word`; a bad one an error holding
    // `error`.
    void wordStartDrawsAWordOrNamesTheList_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("error");

        const QString notANumber = QStringLiteral("is not a valid integer value");
        const QString notAWord = QStringLiteral("not a word of 3 to 13 capital letters");
        const QByteArray tenMegabytes(10 * 1024 * 1024, 'A');

        // The file itself
        QTest::newRow("missing") << kMissing << 0 << QString() << "Cannot open file";
        QTest::newRow("a folder") << kFolder << 0 << QString() << "It is a folder";
        QTest::newRow("empty") << QByteArray() << 0 << QString() << "List index out of bounds (0)";

        // Line 0, the count
        QTest::newRow("count in words")
            << QByteArray("twelve\r\nCAT\r\n") << 0 << QString() << "'twelve' " + notANumber;
        QTest::newRow("count of ten million digits")
            << QByteArray(10'000'000, '7') + "\r\nCAT" << 0 << QString() << notANumber;
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
        QTest::newRow("ten-megabyte word") << "1\r\n" + tenMegabytes << 0 << QString() << notAWord;

        // Line ends
        QTest::newRow("CR only") << QByteArray("2\rCAT\rDOG\r") << 1 << "DOG" << QString();
        QTest::newRow("LF only") << QByteArray("2\nCAT\nDOG\n") << 1 << "DOG" << QString();
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
            QCOMPARE(f.board().HSLabel[0], QStringLiteral("HSLabel1"));
            f.cues.take();
            f.guess("A");
            QCOMPARE(f.cues.take(), (QStringList{"Stop BackSound", "Play LoseLetter"}));
            QVERIFY(!f.board().WellDonePanel.Visible && !f.board().WinTimer.Enabled);
            QVERIFY(!f.board().NewWordClick.Enabled);
            QCOMPARE(f.state().HangPos, 2);
        }
        QVERIFY(Contents(path) == list);

        // The game goes on: with the list mended, New Game draws from it.
        QVERIFY(QDir(path).removeRecursively()); // a folder in the list's place goes
        WriteBytes(path, "1\r\nDOG\r\n");
        const QString retry = ErrorOf([&] { f.game->Exit1Click(); });
        QVERIFY2(retry.isNull(), qPrintable(retry));
        QCOMPARE(f.word(), QStringLiteral("DOG"));
        f.game->LetterClick('D');
        QCOMPARE(f.state().LettersFound, 1);
    }
};

QTEST_GUILESS_MAIN(MalformedWordListsTest)
#include "tst_malformedwordlists.moc"
