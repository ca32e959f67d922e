// Broken word lists: the game start either draws a word the tiles can finish or stops with a short error
// that names the list; the list is never changed, and after the list is mended New Game plays on.
#include "game/game.h"
#include "robustnessfixture.h"

#include <QDir>
#include <QTemporaryDir>

using namespace zub;
using namespace zub::test;

namespace {

const QByteArray kMissing = "<no file>";
const QByteArray kFolder = "<a folder>";
const QByteArray kTenMegabytes(10 * 1024 * 1024, 'A');

// The lists, and a good high-score table, in a folder of their own.
GameFiles FilesIn(const QTemporaryDir& dir)
{
    GameFiles files;
    files.Words1000 = dir.filePath(QStringLiteral("datalst2.zub"));
    files.Words2000 = dir.filePath(QStringLiteral("datalst.zub"));
    files.HighScores = dir.filePath(QStringLiteral("hang.zub"));
    files.HighScoreTemplate = dir.filePath(QStringLiteral("template.zub"));
    QByteArray table = "Best scores\r\n";
    for (int rank = 1; rank <= kRankCount; ++rank)
        table += "Name\r\n" + QByteArray::number(1100 - 100 * rank) + "\r\n";
    WriteBytes(files.HighScores, table + "end\r\n");
    return files;
}

// A game whose draws all take the same number.
struct ListGame
{
    explicit ListGame(int draw) : random(draw) {}

    QString word() const
    {
        QString text;
        for (int n = 0; n < game.state().WordLength; ++n)
            text += game.board().Letter[n].Caption.trimmed();
        return text;
    }

    QTemporaryDir dir;
    GameFiles files = FilesIn(dir);
    SilentCues cues;
    FixedRandom random;
    Game game{files, cues, random};
};

} // namespace

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
        const QString noLine = QStringLiteral("List index out of bounds");
        const QString notAWord = QStringLiteral("not a word of 3 to 13 capital letters");

        // The file itself
        QTest::newRow("missing") << kMissing << 0 << ""
                                 << "Cannot open file";
        QTest::newRow("a folder") << kFolder << 0 << ""
                                  << "It is a folder";
        QTest::newRow("empty") << QByteArray() << 0 << ""
                               << "List index out of bounds (0)";
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << 0 << "" << notANumber;
        QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") << 0 << ""
                                << notANumber;

        // Line 0, the count
        QTest::newRow("count in words") << QByteArray("twelve\r\nCAT\r\n") << 0 << ""
                                        << "'twelve' " + notANumber;
        QTest::newRow("count blank") << QByteArray("\r\nCAT\r\n") << 0 << ""
                                     << "'' " + notANumber;
        QTest::newRow("count with a blank after it") << QByteArray("1 \r\nCAT\r\n") << 0 << "" << notANumber;
        QTest::newRow("count past 32 bits") << QByteArray("4294967297\r\nCAT\r\n") << 0 << "" << notANumber;
        QTest::newRow("count with a NUL") << QByteArray("1\0\r\nCAT\r\n", 9) << 0 << "" << notANumber;
        QTest::newRow("count of ten million digits")
            << QByteArray(10'000'000, '7') + "\r\nCAT" << 0 << "" << notANumber;
        QTest::newRow("count 0 takes line 1") << QByteArray("0\r\nCAT\r\n") << 12345 << "CAT"
                                              << "";
        QTest::newRow("negative count") << QByteArray("-2\r\nCAT\r\nDOG\r\n") << 3 << "DOG"
                                        << "";
        QTest::newRow("negative count past the end") << QByteArray("-5\r\nCAT\r\n") << 3 << ""
                                                     << "List index out of bounds (4)";
        QTest::newRow("lowest count") << QByteArray("-2147483648\r\nCAT\r\n") << 0 << "CAT"
                                      << "";
        QTest::newRow("huge count") << QByteArray("2147483647\r\nCAT\r\n") << 1000 << ""
                                    << "List index out of bounds (1001)";
        QTest::newRow("count past the last line") << QByteArray("5\r\nCAT\r\nDOG\r\nEMU\r\n") << 4 << ""
                                                  << "List index out of bounds (5)";
        QTest::newRow("only the count") << QByteArray("1\r\n") << 0 << "" << noLine;

        // The word lines
        QTest::newRow("three letters") << QByteArray("1\r\nCAT") << 0 << "CAT"
                                       << "";
        QTest::newRow("thirteen letters") << QByteArray("1\r\nABCDEFGHIJKLM") << 0 << "ABCDEFGHIJKLM"
                                          << "";
        QTest::newRow("fourteen letters") << QByteArray("1\r\nABCDEFGHIJKLMN") << 0 << "" << notAWord;
        QTest::newRow("two letters") << QByteArray("1\r\nAB") << 0 << "" << notAWord;
        QTest::newRow("empty line drawn") << QByteArray("2\r\nCAT\r\n\r\n") << 1 << "" << notAWord;
        QTest::newRow("lower case") << QByteArray("1\r\ncat") << 0 << "" << notAWord;
        QTest::newRow("mixed case") << QByteArray("1\r\nCaT") << 0 << "" << notAWord;
        QTest::newRow("blank after the word") << QByteArray("1\r\nCAT ") << 0 << "" << notAWord;
        QTest::newRow("NUL in the word") << QByteArray("1\r\nCA\0T", 7) << 0 << "" << notAWord;
        QTest::newRow("8-bit letter") << QByteArray("1\r\nCAF\xc9") << 0 << "" << notAWord;
        QTest::newRow("UTF-8 letter") << QByteArray("1\r\nCAF\xc3\x89") << 0 << "" << notAWord;
        QTest::newRow("ten-megabyte word") << "1\r\n" + kTenMegabytes << 0 << "" << notAWord;
        QTest::newRow("ten-megabyte line not drawn") << "1\r\nCAT\r\n" + kTenMegabytes << 0 << "CAT"
                                                     << "";

        // Line ends and encoding
        QTest::newRow("CR only") << QByteArray("2\rCAT\rDOG\r") << 1 << "DOG"
                                 << "";
        QTest::newRow("LF only") << QByteArray("2\nCAT\nDOG\n") << 1 << "DOG"
                                 << "";
        QTest::newRow("mixed line ends") << QByteArray("3\r\nCAT\nDOG\rEMU") << 2 << "EMU"
                                         << "";
        QTest::newRow("LF CR is two line ends") << QByteArray("2\n\rCAT\r\n") << 0 << "" << notAWord;
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf"
                                                       "1\r\nCAT\r\n")
                                         << 0 << "CAT"
                                         << "";
    }
    void wordStartDrawsAWordOrNamesTheList()
    {
        QFETCH(QByteArray, list);
        QFETCH(int, draw);
        QFETCH(QString, word);
        QFETCH(QString, error);

        ListGame play(draw);
        const QString path = play.files.Words1000;
        if (list == kFolder)
            QVERIFY(QDir().mkpath(path));
        else if (list != kMissing)
            WriteBytes(path, list);

        const QString message = ErrorOf([&] { play.game.FormActivate(1024, 768); });
        if (error.isEmpty()) {
            QVERIFY2(message.isNull(), qPrintable(message.left(300)));
            QCOMPARE(play.word(), word);
        } else {
            CheckErrorNames(message, path, error);
        }
        if (list != kFolder && list != kMissing)
            QVERIFY(ReadBytes(path) == list);

        // The game goes on: with the list mended, New Game draws from it.
        if (list == kFolder)
            QVERIFY(QDir(path).removeRecursively());
        WriteBytes(path, "1\r\nDOG\r\n");
        const QString retry = ErrorOf([&] { play.game.Exit1Click(); });
        QVERIFY2(retry.isNull(), qPrintable(retry));
        QCOMPARE(play.word(), QStringLiteral("DOG"));
        play.game.LetterClick('D');
        QCOMPARE(play.game.state().LettersFound, 1);
    }

    // A list that breaks between two words stops only the word start that reads it: New Word reports it
    // by name, and the list chosen under Words is the one named.
    void listBrokenDuringPlayIsNamedAtTheNextWord()
    {
        ListGame play(0);
        WriteBytes(play.files.Words1000, "1\r\nCAT\r\n");
        WriteBytes(play.files.Words2000, "1\r\nlowercase\r\n");
        play.game.FormActivate(1024, 768);
        play.game.N20001Click();
        for (char letter : {'C', 'A', 'T'})
            play.game.LetterClick(letter);
        QVERIFY(play.game.board().NewWordClick.Enabled);

        CheckErrorNames(ErrorOf([&] { play.game.NewWordClickClick(); }), play.files.Words2000,
                        QStringLiteral("not a word"));
        QFile::remove(play.files.Words2000);
        CheckErrorNames(ErrorOf([&] { play.game.Exit1Click(); }), play.files.Words2000,
                        QStringLiteral("Cannot open file"));
        play.game.N10001Click();
        QVERIFY(ErrorOf([&] { play.game.Exit1Click(); }).isNull());
        QCOMPARE(play.word(), QStringLiteral("CAT"));
    }
};

QTEST_GUILESS_MAIN(MalformedWordListsTest)
#include "tst_malformedwordlists.moc"
