// The high-score table and its file, well formed or not. Loading either fills the table or stops with an
// error naming the file; placing a score either rewrites the file with only the ranks that moved changed -
// every other line keeping its bytes, every line ending CR LF - or stops with an error naming the file and
// leaves it as it was. The installed template is never written.
#include "gamefixture.h"
#include "smalldisk.h"

#include <QLockFile>
#include <optional>

using namespace zub;
using namespace zub::test;

namespace {

// The table after a placement, rank by rank as order gives it: "3" is the entry that held rank 3 in lines,
// "new" the placed one; every other line stays.
QByteArrayList Ranked(const QByteArrayList& lines, const QByteArray& name, const QByteArray& score,
                      const char* order)
{
    QByteArrayList ranked = lines;
    const QByteArrayList from = QByteArray(order).split(' ');
    for (int rank = 1; rank <= kRankCount; ++rank) {
        const int old = from[rank - 1].toInt(); // 0 for "new"
        ranked[2 * rank - 1] = old ? lines[2 * old - 1] : name;
        ranked[2 * rank] = old ? lines[2 * old] : score;
    }
    return ranked;
}

// 500 points go after the 500 of rank 6.
constexpr const char* kAtRank7 = "1 2 3 4 5 6 new 7 8 9";

// A game of one word over a high-score file and its template, each written as given (or left out, or a
// folder).
struct TableGame : GameFixture
{
    explicit TableGame(const QByteArray& file, const QByteArray& templateFile = kMissing)
        : GameFixture({kLongWord})
    {
        Put(files.HighScores, file);
        Put(files.HighScoreTemplate, templateFile);
    }
};

} // namespace

class HighScoresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The name entry is offered at the game-over tick of a loss whose score beats rank 10: an equal score
    // offers nothing, and a stray OK on the hidden panel places nothing. Confirming places the score and
    // shows the table while the label keeps the score; the next qualifying game offers the same name again.
    // New Game during the game-over pause ends the lost game's offer and keeps the music off.
    void nameEntryFollowsTheGameOverTick()
    {
        GameFixture f({kLongWord});
        f.start();
        f.scoreAndLose(kEasy, 1);
        f.game->GameOverTimerTimer();
        QVERIFY(!f.flags().EnterNamePanel.Visible && !f.flags().GameOverPanel.Visible);
        const QByteArray file = ReadBytes(f.files.HighScores);
        f.game->NameOkButtonClick();
        QCOMPARE(ReadBytes(f.files.HighScores), file);
        QCOMPARE(f.state().ScorePoints, 100);
        QVERIFY(!f.flags().GameOverPanel.Visible);

        f.scoreAndLose(kEasy, 3);
        QVERIFY(!f.flags().EnterNamePanel.Visible);
        f.game->GameOverTimerTimer();
        QVERIFY(f.flags().EnterNamePanel.Visible);
        f.game->setNameText("Ada");
        f.game->NameOkButtonClick();
        QVERIFY(f.flags().GameOverPanel.Visible && !f.flags().EnterNamePanel.Visible);
        QCOMPARE(f.flags().ScorePointsLabel.Caption, QStringLiteral("300"));

        f.scoreAndLose(kEasy, 4);
        f.game->GameOverTimerTimer();
        QVERIFY(f.flags().EnterNamePanel.Visible);
        QCOMPARE(f.flags().NameText, QStringLiteral("Ada"));
        f.game->NameOkButtonClick();

        f.scoreAndLose(kHard, 3);
        f.game->Exit1Click();
        QVERIFY(!f.flags().GameOverTimer.Enabled && !f.flags().MovieScreen.Visible);
        f.cues.take();
        f.game->GameOverTimerTimer();
        QVERIFY(!f.flags().EnterNamePanel.Visible && !f.flags().Timer1.Enabled);
        QVERIFY(f.cues.calls.isEmpty());
    }

    // A table that cannot be loaded stops the game start with an error naming the file at fault, mostly
    // the player's own and the template where a copy of it cannot be made; neither file changes, the word is
    // in play, the ranks before the fault are shown, and a lost game offers no place in a table that never
    // loaded.
    void unloadableTableIsNamed_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("templateFile");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("templateNamed");
        QTest::addColumn<int>("ranksShown");

        QTest::newRow("no file, no template") << kMissing << kMissing << "Cannot open file" << false << 0;
        QTest::newRow("no file, template a folder") << kMissing << kFolder << "Cannot open file" << true << 0;
        QTest::newRow("a folder") << kFolder << Joined(kTable) << "It is a folder" << false << 0;
        QTest::newRow("twenty lines")
            << Joined(kTable.mid(0, 20)) << kMissing << "List index out of bounds (20) in " << false << 9;
    }
    void unloadableTableIsNamed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, templateFile);
        QFETCH(QString, error);
        QFETCH(bool, templateNamed);
        QFETCH(int, ranksShown);

        TableGame f(file, templateFile);
        CheckErrorNames(ErrorOf([&] { f.start(); }),
                        templateNamed ? f.files.HighScoreTemplate : f.files.HighScores, error);
        QVERIFY(Contents(f.files.HighScores) == file);
        QVERIFY(Contents(f.files.HighScoreTemplate) == templateFile);
        for (int rank = 1; rank <= kRankCount; ++rank)
            QCOMPARE(f.flags().HSLabel[2 * rank - 1],
                     QString::fromLatin1(rank <= ranksShown ? kTable[2 * rank] : "HSLabel1"));
        QCOMPARE(f.flags().HighestScoreLabel.Caption, QStringLiteral("0"));

        QCOMPARE(f.state().WordLength, 13);
        f.scoreAndLose(kEasy, 5);
        f.game->GameOverTimerTimer();
        QCOMPARE(f.state().ScorePoints, 500);
        QVERIFY(!f.flags().EnterNamePanel.Visible);
    }

    // A new entry goes in at the first rank it beats as a number, the ranks below move down and the last
    // drops out. Whatever shape a loadable file has, the placement changes only the lines of the ranks that
    // moved, and the board shows the table as written. The first game's table is a copy of the installed
    // one, which stays as it is.
    void placementKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("positions");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");

        // The file written from lines and what the placement of `stored` must make of it: by default 500
        // points, which beat 400 and not the 500 of rank 6.
        const auto row = [](const char* name, const QByteArrayList& lines, const QByteArray& file,
                            const QString& typed = QStringLiteral("Kim"), const QByteArray& stored = "Kim",
                            int level = kEasy, int positions = 5, const char* order = kAtRank7) {
            const int score = positions * (level == kEasy ? 100 : level == kNormal ? 250 : 500);
            QTest::newRow(name) << file << level << positions << typed
                                << Joined(Ranked(lines, stored, QByteArray::number(score), order));
        };
        const QByteArray bom = "\xef\xbb\xbf";
        row("first game: a copy of the installed table", kTable, kMissing);
        row("2000 above all", kTable, Joined(kTable), "Kim", "Kim", kHard, 4, "new 1 2 3 4 5 6 7 8 9");
        row("200 after the equal 200", kTable, Joined(kTable), "Kim", "Kim", kEasy, 2,
            "1 2 3 4 5 6 7 8 9 new");
        row("LF line ends", kTable, Joined(kTable, "\n"));
        row("twenty-one lines", kTable.mid(0, 21), Joined(kTable.mid(0, 21)));
        const QByteArrayList longer = kTable + QByteArrayList{"kept", "", "also kept"};
        row("lines after the table", longer, Joined(longer));
        QTest::newRow("byte-order mark") << bom + Joined(kTable) << int(kEasy) << 5 << "Kim"
                                         << bom + Joined(Ranked(kTable, "Kim", "500", kAtRank7));
        row("megabyte typed name", kTable, Joined(kTable), QString(1 << 20, u'K'), QByteArray(1 << 20, 'K'));
        row("empty name", kTable, Joined(kTable), "", "");
        // Line breaks of every kind would split the name's line: each becomes a blank.
        row("line breaks in the name", kTable, Joined(kTable),
            QStringLiteral("Ann\r\nBob\nCy\u2028Di\u2029Ed\u0085Fy\vGus\fZo\u00eb\t#1"),
            "Ann  Bob Cy Di Ed Fy Gus Zo\xc3\xab\t#1");

        QByteArrayList lines = kTable;
        lines[13] = "Z\xc3\xb6\xc3\xab"; // rank 7 moves to rank 8
        lines[3] = "Bj\xc3\xb6rn";
        row("UTF-8 names", lines, Joined(lines), QStringLiteral("Zo\u00eb"), "Zo\xc3\xab");
        lines = kTable;
        lines[0] = "Beste Spieler \xfc";
        lines[13] = "Z\xf6\xeb";
        lines[21] = "\xa9 end";
        // A name beyond 8 bits turns the whole file into UTF-8: every name keeps its text.
        QByteArrayList utf8;
        for (const QByteArray& line : lines)
            utf8 << QString::fromLatin1(line).toUtf8();
        row("name beyond 8 bits", utf8, Joined(lines), QStringLiteral("\u674e"), "\xe6\x9d\x8e");
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
        QFETCH(int, level);
        QFETCH(int, positions);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);

        const QByteArray installed = Joined(kTable);
        TableGame f(file, installed);
        QFile::setPermissions(f.files.HighScoreTemplate, QFileDevice::ReadOwner);
        const QString loading = ErrorOf([&] { f.start(); });
        QVERIFY2(loading.isNull(), qPrintable(loading));
        if (file == kMissing) {
            QCOMPARE(ReadBytes(f.files.HighScores), installed);
            QVERIFY(QFileInfo(f.files.HighScores).permissions() & QFileDevice::WriteOwner);
        }
        const QByteArrayList held = (file == kMissing ? installed : file).split('\n');
        for (int rank = 1; rank <= kRankCount; ++rank) // the scores shown as the file writes them
            QCOMPARE(f.flags().HSLabel[2 * rank - 1], QString::fromLatin1(held[2 * rank]).remove(u'\r'));
        f.scoreAndLose(level, positions);
        f.game->GameOverTimerTimer();
        QVERIFY(f.flags().EnterNamePanel.Visible);
        f.game->setNameText(typed);
        const QString placing = ErrorOf([&] { f.game->NameOkButtonClick(); });
        QVERIFY2(placing.isNull(), qPrintable(placing));
        QCOMPARE(ReadBytes(f.files.HighScores).split('\n'), expected.split('\n')); // line by line
        const QByteArrayList written = expected.split('\n');
        for (int rank = 1; rank <= kRankCount; ++rank)
            QCOMPARE(f.flags().HSLabel[2 * rank - 1], QString::fromLatin1(written[2 * rank].chopped(1)));
        QCOMPARE(f.flags().HighestScoreLabel.Caption, f.flags().HSLabel[1]);
        QCOMPARE(f.state().ScorePoints, 0);
        QVERIFY(ReadBytes(f.files.HighScoreTemplate) == installed);
    }

    // A placement that cannot be made leaves the file as it was and names it; the game goes on. A file
    // that cannot be read, a score in it that is no number, or another running game that keeps the file
    // locked stops the placement before anything changes, and the name entry comes back so that the name
    // can be confirmed again; a file that cannot be replaced is found only after the board's table took
    // the entry. A full or read-only disk gets the system's own words for it.
    void failedPlacementLeavesTheFile_data()
    {
        QTest::addColumn<int>("rank"); // the rank whose score is replaced by text, or 0
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("change"); // what happens to the file after loading
        QTest::addColumn<QString>("error");

        const auto scoreRow = [](const char* name, int rank, const QByteArray& text, const QString& error) {
            QTest::newRow(name) << rank << text << QString() << error;
        };
        const auto changeRow = [](const char* name, const char* what, const char* error) {
            QTest::newRow(name) << 0 << QByteArray() << QString::fromLatin1(what)
                                << QString::fromLatin1(error);
        };
        const QString notANumber = QStringLiteral("is not a valid integer value");
        scoreRow("rank 1 score one past 32 bits", 1, "2147483648", notANumber);
        scoreRow("rank 4 score with two signs", 4, "+-800", notANumber);
        scoreRow("rank 6 score after a tab", 6, "\t500", notANumber);
        scoreRow("rank 9 score in Arabic-Indic digits", 9, "\xd9\xa2\xd9\xa0\xd9\xa0", notANumber);
        scoreRow("rank 5 score empty", 5, "", "'' " + notANumber);
        scoreRow("rank 9 score with a blank after it", 9, "200 ", notANumber);
        scoreRow("rank 2 score of a megabyte", 2, QByteArray(1 << 20, '9'), notANumber);
        changeRow("file cut to twenty lines", "cut", "List index out of bounds (20)");
        changeRow("file removed, no template", "removed", "Cannot open file");
        changeRow("file cannot be replaced", "long name", "Cannot write file");
        changeRow("file locked by another game", "locked", "is being changed by another game");
        // The player's folder on a disk of its own, before the game starts: full or read-only, with the
        // player's table or with none yet, whose copy of the installed one then cannot be made. Reading
        // needs no writing, and the error gives the system's reason.
        changeRow("full disk", "full disk", "No space left on device");
        changeRow("read-only disk", "read-only disk", "Read-only file system");
        changeRow("full disk, no table of the player's yet", "full disk, no table",
                  "No space left on device");
        changeRow("read-only disk, no folder of the player's yet", "read-only disk, no folder",
                  "Read-only file system");
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
        const bool ownTable = !change.contains(QStringLiteral("no "));
        TableGame f(Joined(lines), ownTable ? kMissing : Joined(kTable));
        QFile::remove(f.files.HighScores);
        if (change == "long name") // so long that no temporary file name fits beside it: read, not replaced
            f.files.HighScores = f.dir.filePath(QStringLiteral("user/") + QString(250, u'h'));
        if (change.contains(QStringLiteral("no folder")))
            f.files.HighScores = f.dir.filePath(QStringLiteral("user/zub-hangman/hang.zub"));
        f.game = std::make_unique<Game>(f.files, f.cues, f.random);
        std::optional<SmallDisk> disk;
        if (change.contains(QStringLiteral("disk")) && !disk.emplace(f.dir.filePath("user")).mounted())
            QSKIP("no disk of its own can be mounted here (it needs root)");
        if (ownTable)
            Put(f.files.HighScores, Joined(lines));
        if (change.contains(QStringLiteral("full")))
            disk->fill();
        if (change.contains(QStringLiteral("read-only")))
            disk->makeReadOnly();
        const QString loading = ErrorOf([&] { f.start(); });
        QVERIFY2(loading.isNull(), qPrintable(loading));
        f.scoreAndLose(kEasy, 5);
        f.game->GameOverTimerTimer();
        QVERIFY(f.flags().EnterNamePanel.Visible);
        const QString path = f.files.HighScores;
        if (change == "cut")
            WriteBytes(path, Joined(kTable.mid(0, 20)));
        if (change == "removed")
            QFile::remove(path);
        QLockFile otherGame(path + QStringLiteral(".lock"));
        if (change == "locked")
            QVERIFY(otherGame.tryLock(0));
        const QByteArray before = Contents(path);

        f.game->setNameText(QStringLiteral("Kim"));
        const QString message = ErrorOf([&] { f.game->NameOkButtonClick(); });
        CheckErrorNames(message, path, error);
        QVERIFY(rank == 0 || message.contains(QStringLiteral("score of rank %1").arg(rank)));
        QVERIFY(Contents(path) == before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(),
                 before == kMissing   ? 0
                 : change == "locked" ? 2
                                      : 1);
        const bool placed = change == "long name";
        QCOMPARE(f.flags().GameOverPanel.Visible, placed);
        QCOMPARE(f.flags().EnterNamePanel.Visible, !placed);
        QCOMPARE(f.state().ScorePoints, placed ? 0 : 500);
        QCOMPARE(f.flags().HSLabel[13], QString::fromLatin1(placed ? "500" : kTable[14]));
        // The game goes on: New Game starts a word with the score at 0.
        const QString next = ErrorOf([&] { f.game->Exit1Click(); });
        QVERIFY2(next.isNull(), qPrintable(next));
        QCOMPARE(f.state().ScorePoints, 0);
        QCOMPARE(f.state().WordLength, 13);
    }
};

QTEST_GUILESS_MAIN(HighScoresTest)
#include "tst_highscores.moc"
