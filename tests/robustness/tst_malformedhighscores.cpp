// Broken and unusual high-score files. Loading either fills the table or stops with an error naming the
// file; placing a score either rewrites the file with only the new entry in its place - every other line
// keeping its bytes, every line ending CR LF - or stops with an error naming the file and leaves it as
// it was. The installed template is never written.
#include "game/game.h"
#include "testfiles.h"

#include <QByteArrayList>
#include <QLockFile>
#include <QTemporaryDir>

using namespace zub;
using namespace zub::test;

namespace {

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
        QTest::newRow("twenty lines")
            << Joined(kTable.mid(0, 20)) << kMissing << "List index out of bounds (20)" << false;
    }
    void unloadableTableIsNamed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, templateFile);
        QFETCH(QString, error);
        QFETCH(bool, templateNamed);

        TableGame play(file, templateFile);
        CheckErrorNames(play.start(), templateNamed ? play.files.HighScoreTemplate : play.files.HighScores,
                        error);
        QVERIFY(Contents(play.files.HighScores) == file);
        QVERIFY(Contents(play.files.HighScoreTemplate) == templateFile);

        QCOMPARE(play.game.state().WordLength, 13);
        play.loseWithPoints();
        QCOMPARE(play.game.state().ScorePoints, 100 * kFoundLetters);
        QVERIFY(!play.game.board().EnterNamePanel.Visible);
    }

    // Whatever shape a loadable file has, a placement changes only the lines of the ranks that moved.
    void placementKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");

        // The file written from lines and what the placement of `stored` must make of it.
        const auto row = [](const char* name, const QByteArrayList& lines, const QByteArray& file,
                            const QString& typed = QStringLiteral("Kim"), const QByteArray& stored = "Kim") {
            QTest::newRow(name) << file << typed << Joined(Placed(lines, stored, "500"));
        };
        const QByteArray bom = "\xef\xbb\xbf";
        row("as installed", kTable, Joined(kTable));
        row("LF line ends", kTable, Joined(kTable, "\n"));
        row("twenty-one lines", kTable.mid(0, 21), Joined(kTable.mid(0, 21)));
        const QByteArrayList longer = kTable + QByteArrayList{"kept", "", "also kept"};
        row("lines after the table", longer, Joined(longer));
        QTest::newRow("byte-order mark")
            << bom + Joined(kTable) << "Kim" << bom + Joined(Placed(kTable, "Kim", "500"));
        row("megabyte typed name", kTable, Joined(kTable), QString(1 << 20, u'K'), QByteArray(1 << 20, 'K'));

        QByteArrayList lines = kTable;
        lines[13] = "Z\xc3\xb6\xc3\xab"; // rank 7 moves to rank 8
        lines[3] = "Bj\xc3\xb6rn";
        row("UTF-8 names", lines, Joined(lines), QStringLiteral("Zo\u00eb"), "Zo\xc3\xab");
        lines = kTable;
        lines[0] = "Beste Spieler \xfc";
        lines[13] = "Z\xf6\xeb";
        lines[21] = "\xa9 end";
        row("8-bit names", lines, Joined(lines), QStringLiteral("Zo\u00eb"), "Zo\xeb");
        row("8-bit byte at the very end", lines, Joined(lines, "\r\n", false));
        lines = kTable;
        lines[13] = QByteArray("G\0us", 4);
        lines[15] = QByteArray(1 << 20, 'H');
        lines[14] = "0400";
        lines[16] = "+300";
        lines[18] = " 200";
        lines[20] = "-100";
        row("NUL and megabyte names, scores as written", lines, Joined(lines));
    }
    void placementKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);

        const QByteArray template_ = Joined(kTable);
        TableGame play(file, template_);
        const QString loading = play.start();
        QVERIFY2(loading.isNull(), qPrintable(loading));
        play.loseWithPoints();
        QVERIFY(play.game.board().EnterNamePanel.Visible);
        const QString placing = play.confirmName(typed);
        QVERIFY2(placing.isNull(), qPrintable(placing));
        QCOMPARE(ReadBytes(play.files.HighScores).split('\n'), expected.split('\n')); // line by line
        QCOMPARE(play.game.state().ScorePoints, 0);
        QVERIFY(ReadBytes(play.files.HighScoreTemplate) == template_);
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

    // A placement that cannot be made leaves the file as it was and names it; the game goes on. A file
    // that cannot be read, a score in it that is no number, or another running game that keeps the file
    // locked stops the placement before anything changes, and the name entry comes back so that the name
    // can be confirmed again; a file that cannot be replaced is found only after the board's table took
    // the entry.
    void failedPlacementLeavesTheFile_data()
    {
        QTest::addColumn<int>("rank"); // the rank whose score is replaced by text, or 0
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("change"); // what happens to the file after loading
        QTest::addColumn<QString>("error");

        const QString notANumber = QStringLiteral("is not a valid integer value");
        QTest::newRow("rank 3 score in words")
            << 3 << QByteArray("lots") << QString() << "'lots' " + notANumber;
        QTest::newRow("rank 1 score past 32 bits")
            << 1 << QByteArray("99999999999") << QString() << notANumber;
        QTest::newRow("rank 5 score empty") << 5 << QByteArray() << QString() << "'' " + notANumber;
        QTest::newRow("rank 9 score with a blank after it")
            << 9 << QByteArray("200 ") << QString() << notANumber;
        QTest::newRow("rank 2 score of a megabyte")
            << 2 << QByteArray(1 << 20, '9') << QString() << notANumber;
        QTest::newRow("file cut to twenty lines")
            << 0 << QByteArray() << QStringLiteral("cut") << "List index out of bounds (20)";
        QTest::newRow("file removed, no template")
            << 0 << QByteArray() << QStringLiteral("removed") << "Cannot open file";
        QTest::newRow("file cannot be replaced")
            << 0 << QByteArray() << QStringLiteral("long name") << "Cannot write file";
        QTest::newRow("file locked by another game")
            << 0 << QByteArray() << QStringLiteral("locked") << "is being changed by another game";
    }
    void failedPlacementLeavesTheFile()
    {
        QFETCH(int, rank);
        QFETCH(QByteArray, text);
        QFETCH(QString, change);
        QFETCH(QString, error);

        QByteArrayList lines = kTable;
        if (rank > 0)
            lines[2 * rank] = text;
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
        if (change == "removed")
            QFile::remove(path);
        QLockFile otherGame(path + QStringLiteral(".lock"));
        if (change == "locked")
            QVERIFY(otherGame.tryLock(0));
        const QByteArray before = Contents(path);

        const QString message = play.confirmName(QStringLiteral("Kim"));
        CheckErrorNames(message, path, error);
        QVERIFY(rank == 0 || message.contains(QStringLiteral("score of rank %1").arg(rank)));
        QVERIFY(Contents(path) == before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(),
                 change == "removed"  ? 0
                 : change == "locked" ? 2
                                      : 1);
        const bool placed = change == "long name";
        QCOMPARE(play.game.board().GameOverPanel.Visible, placed);
        QCOMPARE(play.game.board().EnterNamePanel.Visible, !placed);
        QCOMPARE(play.game.state().ScorePoints, placed ? 0 : 100 * kFoundLetters);
        QCOMPARE(play.game.board().HSLabel[2 * kRank - 1],
                 QString::fromLatin1(placed ? "500" : kTable[2 * kRank]));
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
