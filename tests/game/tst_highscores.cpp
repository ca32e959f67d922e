#include "game/highscoretable.h"
#include "game/levels.h"
#include "gamefixture.h"

#include <QDir>

using namespace zub;
using namespace zub::test;

namespace {

HighScoreTable TableWithRank10(const QString& score)
{
    HighScoreTable table;
    table.setHSScore(kRankCount, score);
    return table;
}

QStringList FileLines(const QString& path)
{
    return QString::fromUtf8(ReadBytes(path)).split(QStringLiteral("\r\n"));
}

} // namespace

class HighScoresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A score takes a place only when it is strictly greater than rank 10's score read as a number; a
    // rank-10 text that is no number takes none.
    void qualifiesAgainstRankTen_data()
    {
        QTest::addColumn<QString>("rank10");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("qualifies");
        QTest::newRow("equal") << "100" << 100 << false;
        QTest::newRow("one more") << "100" << 101 << true;
        QTest::newRow("compared as numbers") << "100" << 90 << false;
        QTest::newRow("empty after a failed load") << "" << 5000 << false;
    }
    void qualifiesAgainstRankTen()
    {
        QFETCH(QString, rank10);
        QFETCH(int, score);
        QFETCH(bool, qualifies);
        QCOMPARE(TableWithRank10(rank10).qualifies(score), qualifies);
    }

    // A new entry goes in at the first rank it beats; that rank and the ones below move down, the last
    // drops out, and the file holds the same table with its other lines as they were.
    void placementInsertsAndMovesDown_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("positions");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("score");
        QTest::newRow("1250 after 1500") << kNormal << 5 << 2 << "1250";
        QTest::newRow("1000 after the equal 1000") << kEasy << 10 << 4 << "1000";
        QTest::newRow("2000 above all") << kHard << 4 << 1 << "2000";
        QTest::newRow("200 after the equal 200") << kEasy << 2 << 10 << "200";
    }
    void placementInsertsAndMovesDown()
    {
        QFETCH(int, level);
        QFETCH(int, positions);
        QFETCH(int, rank);
        QFETCH(QString, score);
        GameFixture f({kLongWord});
        WriteBytes(f.files.HighScoreTemplate, HighScoreFile(kDescendingScores) + "after\r\n\r\nlast\r\n");
        f.start();
        f.placeScore(level, positions, "Zoe");

        QStringList names;
        for (int k = 1; k <= kRankCount; ++k)
            names << QStringLiteral("Name%1").arg(k);
        QStringList scores = kDescendingScores;
        names.insert(rank - 1, "Zoe");
        scores.insert(rank - 1, score);
        QStringList lines{"Best scores"};
        for (int k = 1; k <= kRankCount; ++k) {
            QCOMPARE(f.highScores().HSName(k), names[k - 1]);
            QCOMPARE(f.highScores().HSScore(k), scores[k - 1]);
            QCOMPARE(f.board().HSLabel[2 * k - 2], names[k - 1]);
            QCOMPARE(f.board().HSLabel[2 * k - 1], scores[k - 1]);
            lines << names[k - 1] << scores[k - 1];
        }
        lines += QStringList{"end", "after", "", "last", ""};
        QCOMPARE(FileLines(f.files.HighScores), lines);
        QCOMPARE(f.board().HighestScoreLabel.Caption, scores[0]);
        QCOMPARE(f.state().ScorePoints, 0);
    }

    // Another game may have placed a score since this one started: the entry goes into the table as the
    // file holds it at the moment of placing, keeping the other game's entry, and the board shows that
    // table. Lines outside the table are written back as the file holds them too.
    void placementGoesIntoTheTableAsTheFileHoldsIt()
    {
        GameFixture f({kLongWord});
        f.start();
        QStringList edited = FileLines(f.files.HighScores);
        edited[0] = "New heading";
        edited = edited.mid(0, 1) + QStringList{"Anna", "2000"} + edited.mid(1, 18) + edited.mid(21);
        WriteBytes(f.files.HighScores, edited.join("\r\n").toUtf8());
        f.placeScore(kNormal, 5, "Zoe");

        // Another game's best score came in at rank 1, and the new entry goes in at rank 3.
        const QStringList expected =
            edited.mid(0, 5) + QStringList{"Zoe", "1250"} + edited.mid(5, 14) + edited.mid(21);
        QCOMPARE(FileLines(f.files.HighScores), expected);
        QCOMPARE(f.highScores().HSName(1), QStringLiteral("Anna"));
        QCOMPARE(f.board().HSLabel[4], QStringLiteral("Zoe"));
        QCOMPARE(f.board().HSLabel[19], QStringLiteral("300"));
        QCOMPARE(f.board().HighestScoreLabel.Caption, QStringLiteral("2000"));
    }

    // A score line such as "0100" compares as 100 and is shown as it stands.
    void scoreTextShownAsItStands()
    {
        GameFixture f({kLongWord});
        QStringList scores = kDescendingScores;
        scores[9] = "0100";
        WriteBytes(f.files.HighScoreTemplate, HighScoreFile(scores));
        f.start();
        QCOMPARE(f.board().HSLabel[19], QStringLiteral("0100"));
        f.scoreAndLose(kEasy, 1);
        f.game->GameOverTimerTimer();
        QVERIFY(!f.board().EnterNamePanel.Visible);
    }

    // The player's table is made from the installed one the first time it is missing, byte for byte, in a
    // folder made for it; after that the player's own copy is read.
    void playersTableStartsAsACopy()
    {
        GameFixture f;
        const QByteArray installed = ReadBytes(f.files.HighScoreTemplate) + "extra\n";
        WriteBytes(f.files.HighScoreTemplate, installed);
        QFile::setPermissions(f.files.HighScoreTemplate, QFileDevice::ReadOwner);
        f.start();
        QCOMPARE(ReadBytes(f.files.HighScores), installed);
        QVERIFY(QFileInfo(f.files.HighScores).permissions() & QFileDevice::WriteOwner);

        GameFixture own;
        QDir().mkpath(QFileInfo(own.files.HighScores).path());
        QStringList scores = kDescendingScores;
        scores[0] = "9999";
        WriteBytes(own.files.HighScores, HighScoreFile(scores));
        own.start();
        QCOMPARE(own.board().HighestScoreLabel.Caption, QStringLiteral("9999"));
    }

    // A file too short for the table loads rank by rank up to the missing line and reports it.
    void shortFileLoadsUpToTheMissingLine()
    {
        GameFixture f({kLongWord});
        WriteBytes(f.files.HighScoreTemplate, "Best\r\nA\r\n900\r\nB\r\n800\r\nC\r\n700\r\nD\r\n");
        const QString message = ErrorOf([&] { f.start(); });
        QCOMPARE(message, QStringLiteral("List index out of bounds (8) in %1").arg(f.files.HighScores));
        QCOMPARE(f.highScores().HSScore(3), QStringLiteral("700"));
        QCOMPARE(f.highScores().HSName(4), QStringLiteral("D"));
        QCOMPARE(f.board().HSLabel[5], QStringLiteral("700"));
        QCOMPARE(f.board().HSLabel[6], QStringLiteral("HSLabel1"));
        QCOMPARE(f.board().HighestScoreLabel.Caption, QStringLiteral("0"));
    }

    // Line breaks of every kind in a name become blanks, other text stays: the name is stored on one line
    // and the file keeps its 22 lines.
    void nameWithLineBreaksKeepsTheFileShape()
    {
        GameFixture f({kLongWord});
        f.start();
        f.placeScore(kHard, 5, QStringLiteral("Ann\r\nBob\nCy\u2028Di\u2029Ed\u0085Fy\vGus\fZo\u00eb\t#1"));
        const QString stored = QStringLiteral("Ann  Bob Cy Di Ed Fy Gus Zo\u00eb\t#1");
        QCOMPARE(f.highScores().HSName(1), stored);
        const QStringList lines = FileLines(f.files.HighScores);
        QCOMPARE(lines.size(), HighScoreTable::kFileLineCount + 1);
        QCOMPARE(lines[1], stored);
        QCOMPARE(lines[2], QStringLiteral("2500"));
        QCOMPARE(lines[21], QStringLiteral("end"));
    }
};

QTEST_GUILESS_MAIN(HighScoresTest)
#include "tst_highscores.moc"
