// Broken and unusual high-score files. Loading either fills the table or stops with an error naming the
// file; placing a score either rewrites the file with only the new entry in its place - every other line
// keeping its bytes, every line ending CR LF - or stops with an error naming the file and leaves it as
// it was. The installed template is never written.
#include "game/game.h"
#include "robustnessfixture.h"

#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace zub;
using namespace zub::test;

namespace {

const QByteArray kMissing = "<no file>";
const QByteArray kFolder = "<a folder>";
const QString kWord = QStringLiteral("ABCDEFGHJKLMN"); // thirteen different letters, no I

// Ranks 1 .. 10 score 1000 down to 100. A game of 500 points takes rank 7: it beats 400, not the 500 of
// rank 6.
const QByteArrayList kTable{"Best scores", "Ann", "1000", "Bob", "900", "Cid", "800", "Dee",
                            "700",         "Eve", "600",  "Fay", "500", "Gus", "400", "Hal",
                            "300",         "Ida", "200",  "Jan", "100", "end"};
constexpr int kFoundLetters = 5;
constexpr int kRank = 7;

QByteArray Joined(const QByteArrayList& lines, const QByteArray& lineEnd = "\r\n", bool finalEnd = true)
{
    QByteArray bytes = lines.join(lineEnd);
    return finalEnd && !lines.isEmpty() ? bytes + lineEnd : bytes;
}

// The table with a new entry at kRank: the ranks from there down move one place, rank 10 drops out.
QByteArrayList Placed(QByteArrayList lines, const QByteArray& name, const QByteArray& score)
{
    for (int rank = kRankCount; rank > kRank; --rank) {
        lines[2 * rank - 1] = lines[2 * rank - 3];
        lines[2 * rank] = lines[2 * rank - 2];
    }
    lines[2 * kRank - 1] = name;
    lines[2 * kRank] = score;
    return lines;
}

GameFiles FilesIn(const QTemporaryDir& dir, const QString& highScoreName)
{
    GameFiles files;
    files.Words1000 = dir.filePath(QStringLiteral("datalst2.zub"));
    files.Words2000 = files.Words1000;
    files.HighScoreTemplate = dir.filePath(QStringLiteral("hang.zub"));
    files.HighScores = dir.filePath(QStringLiteral("user/") + highScoreName);
    WriteBytes(files.Words1000, "1\r\n" + kWord.toLatin1() + "\r\n");
    QDir().mkpath(dir.filePath(QStringLiteral("user")));
    return files;
}

// One game over a high-score file and its template, each written as given (or left out, or a folder).
struct TableGame
{
    explicit TableGame(const QByteArray& file, const QByteArray& templateFile = kMissing,
                       const QString& highScoreName = QStringLiteral("hang.zub"))
        : files(FilesIn(dir, highScoreName))
    {
        Put(files.HighScores, file);
        Put(files.HighScoreTemplate, templateFile);
    }

    static void Put(const QString& path, const QByteArray& bytes)
    {
        if (bytes == kFolder)
            QDir().mkpath(path);
        else if (bytes != kMissing)
            WriteBytes(path, bytes);
    }

    QString start()
    {
        return ErrorOf([this] { game.FormActivate(1024, 768); });
    }

    // kFoundLetters letters found, then the word lost and the game-over tick: 500 points.
    void loseWithPoints()
    {
        for (int n = 0; n < kFoundLetters; ++n)
            game.LetterClick(char(kWord[n].unicode()));
        for (char letter = 'O'; letter <= 'Y'; ++letter)
            game.LetterClick(letter);
        game.GameOverTimerTimer();
    }

    QString confirmName(const QString& name)
    {
        game.setNameText(name);
        return ErrorOf([this] { game.NameOkButtonClick(); });
    }

    QTemporaryDir dir;
    GameFiles files;
    SilentCues cues;
    FixedRandom random{0};
    Game game{files, cues, random};
};

} // namespace

class MalformedHighScoresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A table that cannot be loaded stops the game start with an error naming the file at fault, mostly
    // the player's own and the template where a copy of it cannot be made; neither file changes, the word is
    // in play, and a lost game offers no place in a table that never loaded.
    void unloadableTableIsNamed_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("templateFile");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("templateNamed");

        QTest::newRow("no file, no template") << kMissing << kMissing << "Cannot open file" << false;
        QTest::newRow("no file, template a folder") << kMissing << kFolder << "Cannot open file" << true;
        QTest::newRow("a folder") << kFolder << Joined(kTable) << "It is a folder" << false;
        QTest::newRow("empty") << QByteArray() << Joined(kTable) << "List index out of bounds (1)" << false;
        QTest::newRow("twenty lines")
            << Joined(kTable.mid(0, 20)) << kMissing << "List index out of bounds (20)" << false;
        QTest::newRow("no file, template of twenty lines")
            << kMissing << Joined(kTable.mid(0, 20)) << "List index out of bounds (20)" << false;
        QTest::newRow("one megabyte line")
            << QByteArray(1 << 20, 'x') << kMissing << "List index out of bounds (1)" << false;
        QTest::newRow("twenty line ends")
            << QByteArray(20, '\n') << kMissing << "List index out of bounds (20)" << false;
    }
    void unloadableTableIsNamed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, templateFile);
        QFETCH(QString, error);
        QFETCH(bool, templateNamed);

        TableGame play(file, templateFile);
        const QByteArray templateBefore = ReadBytes(play.files.HighScoreTemplate);
        CheckErrorNames(play.start(), templateNamed ? play.files.HighScoreTemplate : play.files.HighScores,
                        error);
        if (file != kMissing && file != kFolder)
            QVERIFY(ReadBytes(play.files.HighScores) == file);
        QVERIFY(ReadBytes(play.files.HighScoreTemplate) == templateBefore);

        QCOMPARE(play.game.state().WordLength, 13);
        play.loseWithPoints();
        QCOMPARE(play.game.state().ScorePoints, 100 * kFoundLetters);
        QVERIFY(!play.game.board().EnterNamePanel.Visible);
    }

    // Whatever shape a loadable file has, a placement changes only the lines of the ranks that moved.
    void placementKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<bool>("finalEnd");
        QTest::addColumn<QByteArray>("start"); // bytes before line 0
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");

        QByteArrayList lines = kTable;
        QTest::newRow("as installed")
            << kTable << QByteArray("\r\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
        QTest::newRow("LF line ends")
            << kTable << QByteArray("\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
        QTest::newRow("CR line ends")
            << kTable << QByteArray("\r") << true << QByteArray() << "Kim" << QByteArray("Kim");
        QTest::newRow("no final line end")
            << kTable << QByteArray("\r\n") << false << QByteArray() << "Kim" << QByteArray("Kim");
        QTest::newRow("twenty-one lines")
            << kTable.mid(0, 21) << QByteArray("\r\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
        QTest::newRow("lines after the table")
            << kTable + QByteArrayList{"kept", "", "also kept"} << QByteArray("\r\n") << true << QByteArray()
            << "Kim" << QByteArray("Kim");
        QTest::newRow("byte-order mark") << kTable << QByteArray("\r\n") << true << QByteArray("\xef\xbb\xbf")
                                         << "Kim" << QByteArray("Kim");
        QTest::newRow("empty typed name")
            << kTable << QByteArray("\r\n") << true << QByteArray() << "" << QByteArray("");
        QTest::newRow("megabyte typed name") << kTable << QByteArray("\r\n") << true << QByteArray()
                                             << QString(1 << 20, u'K') << QByteArray(1 << 20, 'K');

        lines = kTable;
        lines[13] = "Z\xc3\xb6\xc3\xab"; // rank 7 moves to rank 8
        lines[3] = "Bj\xc3\xb6rn";
        QTest::newRow("UTF-8 names") << lines << QByteArray("\r\n") << true << QByteArray()
                                     << QStringLiteral("Zo\u00eb") << QByteArray("Zo\xc3\xab");
        lines = kTable;
        lines[0] = "Beste Spieler \xfc";
        lines[13] = "Z\xf6\xeb";
        lines[21] = "\xa9 end";
        QTest::newRow("8-bit names") << lines << QByteArray("\r\n") << true << QByteArray()
                                     << QStringLiteral("Zo\u00eb") << QByteArray("Zo\xeb");
        QTest::newRow("8-bit byte at the very end")
            << lines << QByteArray("\r\n") << false << QByteArray() << "Kim" << QByteArray("Kim");
        lines = kTable;
        lines[13] = QByteArray("G\0us", 4);
        lines[15] = QByteArray(1 << 20, 'H');
        QTest::newRow("NUL and megabyte names")
            << lines << QByteArray("\r\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
        lines = kTable;
        lines[14] = "0400";
        lines[16] = "+300";
        lines[18] = " 200";
        lines[20] = "-100";
        QTest::newRow("scores kept as written")
            << lines << QByteArray("\r\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
        lines = kTable;
        lines[0] = "";
        lines[21] = "no number here";
        QTest::newRow("first and last lines of any text")
            << lines << QByteArray("\r\n") << true << QByteArray() << "Kim" << QByteArray("Kim");
    }
    // An 8-bit file keeps its bytes while every name fits in 8 bits. A name beyond them turns the whole
    // file into UTF-8: every name keeps its text, the new one included, and the file reads back whole.
    void nameBeyondEightBitsTurnsTheFileIntoUtf8()
    {
        QByteArrayList lines = kTable;
        lines[0] = "Beste Spieler \xfc";
        lines[13] = "Z\xf6\xeb";
        TableGame play(Joined(lines));
        QVERIFY(play.start().isNull());
        play.loseWithPoints();
        QVERIFY(play.confirmName(QStringLiteral("\u674e")).isNull());

        QByteArrayList utf8;
        for (const QByteArray& line : lines)
            utf8 << QString::fromLatin1(line).toUtf8();
        QVERIFY(ReadBytes(play.files.HighScores) == Joined(Placed(utf8, "\xe6\x9d\x8e", "500")));
    }

    void placementKeepsEveryOtherLine()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, lineEnd);
        QFETCH(bool, finalEnd);
        QFETCH(QByteArray, start);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);

        const QByteArray template_ = Joined(kTable);
        TableGame play(start + Joined(lines, lineEnd, finalEnd), template_);
        const QString loading = play.start();
        QVERIFY2(loading.isNull(), qPrintable(loading));
        play.loseWithPoints();
        QVERIFY(play.game.board().EnterNamePanel.Visible);
        const QString placing = play.confirmName(typed);
        QVERIFY2(placing.isNull(), qPrintable(placing));

        const QByteArray expected = start + Joined(Placed(lines, stored, "500"));
        const QByteArray written = ReadBytes(play.files.HighScores);
        if (written != expected) {
            const QByteArrayList got = written.split('\n');
            const QByteArrayList want = expected.split('\n');
            for (qsizetype i = 0; i < qMax(got.size(), want.size()); ++i)
                QCOMPARE(got.value(i).left(80).toHex(' '), want.value(i).left(80).toHex(' '));
            QVERIFY(written == expected);
        }
        QCOMPARE(play.game.state().ScorePoints, 0);
        QVERIFY(ReadBytes(play.files.HighScoreTemplate) == template_);
    }

    // A placement that cannot be made stops before the file changes and names it; the game goes on.
    void failedPlacementLeavesTheFile_data()
    {
        QTest::addColumn<int>("line"); // line of kTable to replace, or -1
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("change"); // what happens to the file after loading
        QTest::addColumn<QString>("error");

        const QString notANumber = QStringLiteral("is not a valid integer value");
        QTest::newRow("rank 3 score in words") << 6 << QByteArray("lots") << ""
                                               << "'lots' " + notANumber;
        QTest::newRow("rank 1 score past 32 bits") << 2 << QByteArray("99999999999") << "" << notANumber;
        QTest::newRow("rank 5 score empty") << 10 << QByteArray() << ""
                                            << "'' " + notANumber;
        QTest::newRow("rank 9 score with a blank after it") << 18 << QByteArray("200 ") << "" << notANumber;
        QTest::newRow("rank 2 score of a megabyte") << 4 << QByteArray(1 << 20, '9') << "" << notANumber;
        QTest::newRow("file cut to twenty lines") << -1 << QByteArray() << "cut"
                                                  << "List index out of bounds (20)";
        QTest::newRow("file replaced by a folder") << -1 << QByteArray() << "folder"
                                                   << "It is a folder";
        QTest::newRow("file removed, no template") << -1 << QByteArray() << "removed"
                                                   << "Cannot open file";
        QTest::newRow("file cannot be replaced") << -1 << QByteArray() << "long name"
                                                 << "Cannot write file";
    }
    void failedPlacementLeavesTheFile()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, change);
        QFETCH(QString, error);

        QByteArrayList lines = kTable;
        if (line >= 0)
            lines[line] = text;
        // A name so long that no temporary file name fits beside it: the file can be read, not replaced.
        TableGame play(Joined(lines), kMissing,
                       change == "long name" ? QString(250, u'h') : QStringLiteral("hang.zub"));
        const QString loading = play.start();
        QVERIFY2(loading.isNull(), qPrintable(loading));
        play.loseWithPoints();
        QVERIFY(play.game.board().EnterNamePanel.Visible);
        const QString path = play.files.HighScores;
        if (change == "cut")
            WriteBytes(path, Joined(kTable.mid(0, 20)));
        if (change == "folder" || change == "removed")
            QFile::remove(path);
        if (change == "folder")
            QDir().mkpath(path);
        const QByteArray before = ReadBytes(path);

        CheckErrorNames(play.confirmName(QStringLiteral("Kim")), path, error);
        QVERIFY(ReadBytes(path) == before);
        QCOMPARE(QFileInfo(path).isDir(), change == "folder");
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(),
                 change == "folder" || change == "removed" ? 0 : 1);
        // The game goes on: New Game starts a word with the score at 0.
        const QString next = ErrorOf([&] { play.game.Exit1Click(); });
        QVERIFY2(next.isNull(), qPrintable(next));
        QCOMPARE(play.game.state().ScorePoints, 0);
        QCOMPARE(play.game.state().WordLength, 13);
    }

    // A rank-10 score that is no number takes no score: the lost game asks for no name and the file
    // stays as it is.
    void tableWithoutANumberAtRankTenAsksForNoName()
    {
        QByteArrayList lines = kTable;
        lines[20] = "none";
        TableGame play(Joined(lines));
        QVERIFY(play.start().isNull());
        play.loseWithPoints();
        QVERIFY(!play.game.board().EnterNamePanel.Visible);
        QVERIFY(play.game.board().Timer1.Enabled);
        QVERIFY(ReadBytes(play.files.HighScores) == Joined(lines));
    }
};

QTEST_GUILESS_MAIN(MalformedHighScoresTest)
#include "tst_malformedhighscores.moc"
