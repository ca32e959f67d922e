// The high-score file survives a writer killed at any moment. A writer process places score after score
// and is killed with SIGKILL at random times; after every kill the file is one complete table - 22 lines
// each ending CR LF, every entry whole and in order - never torn, empty or missing, and the next writer
// carries on from it whatever temporary files the killed one left behind. Such files are counted and
// named in the output: they stay until someone removes them.
//
// ZUB_CRASH_KILLS sets the number of kills (200 by default; 1000 or more for a long run).
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

using namespace zub::test;

namespace {

// The table of `scores`, rank 1 first, as the game writes it: each entry named after its score.
QByteArray TableOf(const QList<int>& scores)
{
    QByteArray bytes = "Best scores\r\n";
    for (int score : scores)
        bytes += "Player " + QByteArray::number(score) + "\r\n" + QByteArray::number(score) + "\r\n";
    return bytes + "end\r\n";
}

// The scores of a complete table, or an empty list when the bytes are anything else.
QList<int> ScoresOf(const QByteArray& bytes)
{
    const QByteArrayList lines = bytes.split('\n');
    if (lines.size() != 23 || !lines.last().isEmpty())
        return {};
    QList<int> scores;
    for (int rank = 1; rank <= 10; ++rank) {
        bool number = false;
        const int score = lines[2 * rank].trimmed().toInt(&number);
        if (!number || (!scores.isEmpty() && score > scores.last()))
            return {};
        scores << score;
    }
    return TableOf(scores) == bytes ? scores : QList<int>();
}

// The files in the folder other than the word list and the table: what killed writers left behind.
QStringList Leftovers(const QDir& folder)
{
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(QStringLiteral("datalst2.zub"));
    names.removeAll(QStringLiteral("hang.zub"));
    return names;
}

int KillCount()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("ZUB_CRASH_KILLS");
    return fromEnvironment > 0 ? fromEnvironment : 200;
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        WriteBytes(m_dir->filePath(QStringLiteral("datalst2.zub")), "1\r\nABC\r\n");
        WriteBytes(TablePath(), TableOf({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}));
    }

    void killedWriterLeavesACompleteTable()
    {
        const int kills = KillCount();
        QRandomGenerator random(20240611);
        QList<int> scores = ScoresOf(ReadBytes(TablePath()));
        int changes = 0;
        int placements = 0;
        QStringList leftovers;
        for (int round = 0; round < kills; ++round) {
            QProcess writer;
            StartWriter(writer);
            // Anywhere in the next few rewrites; each takes about a millisecond or two.
            QThread::usleep(random.bounded(25000));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            placements += int(writer.readAllStandardOutput().count("placed"));

            const QByteArray bytes = ReadBytes(TablePath());
            const QList<int> now = ScoresOf(bytes);
            QVERIFY2(!now.isEmpty(), qPrintable(QStringLiteral("kill %1 left %2 bytes: %3")
                                                    .arg(round)
                                                    .arg(bytes.size())
                                                    .arg(QString::fromLatin1(bytes.left(120).toHex(' ')))));
            // Entries only ever come in above rank 10, so its score never falls.
            QVERIFY2(now.last() >= scores.last(),
                     qPrintable(QStringLiteral("kill %1 lost entries").arg(round)));
            changes += now != scores;
            scores = now;
            leftovers = Leftovers(QDir(m_dir->path()));
        }
        qInfo("%d kills, %d placements completed, the table changed between %d pairs of kills, %lld "
              "temporary files left beside it",
              kills, placements, changes, qlonglong(leftovers.size()));
        QVERIFY2(changes > kills / 4, "the writer was mostly killed before it wrote anything");
        // A kill between the moment the new table gets a name of its own and the moment it takes the
        // table's place leaves that file behind. Nothing reads it, but nothing removes it either.
        if (!leftovers.isEmpty())
            qWarning("left behind by killed writers: %s", qPrintable(leftovers.join(u' ')));
    }

    // Temporary files of the kind an interrupted save leaves - empty, half written, a whole table -
    // neither stop the next writer nor take the table's place, and it does not touch them.
    void leftoversOfAnInterruptedSaveAreHarmless()
    {
        const QDir folder(m_dir->path());
        const QList<QPair<QString, QByteArray>> leftovers{
            {QStringLiteral("hang.zub.aB3dE9"), QByteArray()},
            {QStringLiteral("hang.zub.Zz0001"), QByteArray("Best scores\r\nPlayer 5")},
            {QStringLiteral("hang.zub.Qq7777"), TableOf({9, 8, 7, 6, 5, 4, 3, 2, 1, 0})},
            {QStringLiteral(".hang.zub.new"), QByteArray("junk")},
        };
        for (const auto& [name, bytes] : leftovers)
            WriteBytes(folder.filePath(name), bytes);

        QProcess writer;
        StartWriter(writer);
        QVERIFY(writer.waitForReadyRead(10000));
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += writer.readAllStandardOutput()).contains("placed"), 10000);
        writer.kill();
        QVERIFY(writer.waitForFinished(10000));

        const QList<int> scores = ScoresOf(ReadBytes(TablePath()));
        QVERIFY(!scores.isEmpty());
        QVERIFY(scores.last() > 100);
        for (const auto& [name, bytes] : leftovers)
            QVERIFY2(ReadBytes(folder.filePath(name)) == bytes, qPrintable(name));
        QCOMPARE(Leftovers(folder).size(), leftovers.size());
    }

private:
    QString TablePath() const { return m_dir->filePath(QStringLiteral("hang.zub")); }

    void StartWriter(QProcess& writer)
    {
        writer.setProgram(QStringLiteral(ZUB_HIGHSCORE_WRITER));
        writer.setArguments({m_dir->path()});
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start();
        QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));
        QVERIFY2(writer.waitForReadyRead(10000), "the writer did not load the table");
        QVERIFY(writer.canReadLine());
        QCOMPARE(writer.readLine(), QByteArray("ready\n"));
    }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
