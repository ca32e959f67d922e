// The high-score file survives a writer killed at any moment, and two games placing scores at once. A
// writer process places score after score and is killed with SIGKILL at random times; after every kill
// the file is one complete table - 22 lines each ending CR LF, every entry whole and in order - never
// torn, empty or missing, and the next writer carries on from it whatever lock or temporary file the
// killed one left behind; the next completed placement removes them, once they are too old to be a
// running game's. Two writers placing at the same time lose none of each other's entries.
//
// ZUB_CRASH_KILLS sets the number of kills (200 by default; 1000 or more for a long run).
#include "platform/filelock.h"
#include "testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

using namespace zub::test;

namespace {

// The table of `scores`, rank 1 first, as the game writes it: each entry named "<player> <score>".
QByteArray TableOf(const QList<int>& scores, const QByteArrayList& players = {})
{
    QByteArray bytes = "Best scores\r\n";
    for (qsizetype i = 0; i < scores.size(); ++i) {
        const QByteArray score = QByteArray::number(scores[i]);
        bytes += players.value(i, "Player") + ' ' + score + "\r\n" + score + "\r\n";
    }
    return bytes + "end\r\n";
}

// The scores of a complete table, or an empty list when the bytes are anything else.
QList<int> ScoresOf(const QByteArray& bytes)
{
    const QByteArrayList lines = bytes.split('\n');
    if (lines.size() != 23 || !lines.last().isEmpty())
        return {};
    QList<int> scores;
    QByteArrayList names;
    for (int rank = 1; rank <= 10; ++rank) {
        bool number = false;
        const int score = lines[2 * rank].trimmed().toInt(&number);
        if (!number || (!scores.isEmpty() && score > scores.last()))
            return {};
        scores << score;
        names << lines[2 * rank - 1].split(' ').first();
    }
    if (TableOf(scores, names) != bytes)
        return {};
    return scores;
}

// The files in the folder other than the word list and the table: what killed writers left behind.
QStringList Leftovers(const QDir& folder)
{
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(QStringLiteral("datalst2.zub"));
    names.removeAll(QStringLiteral("hang.zub"));
    return names;
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
        const int killsSet = qEnvironmentVariableIntValue("ZUB_CRASH_KILLS");
        const int kills = killsSet > 0 ? killsSet : 200;
        QRandomGenerator random(20240611);
        QList<int> scores = ScoresOf(ReadBytes(TablePath()));
        int placements = 0;
        QElapsedTimer running; // how long the writers ran, to find the length of one rewrite
        qint64 runningNs = 0;
        for (int round = 0; round < kills; ++round) {
            QProcess writer;
            StartWriter(writer);
            running.start();
            // Anywhere in the next three rewrites: each takes a few milliseconds, two of them flushing to
            // disk, and many more in a sanitized build or on a busy machine. Until a rewrite completes, the
            // estimate grows with the time the writers ran, so kills that come too early move later.
            const qint64 rewriteNs = (runningNs + 10'000'000) / (placements + 1);
            QThread::usleep(random.bounded(std::clamp<qint64>(3 * rewriteNs / 1000, 30'000, 500'000)));
            writer.kill();
            runningNs += running.nsecsElapsed();
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
            scores = now;
        }
        qInfo("%d kills, %d placements completed", kills, placements);
        // Placements that change nothing (a table already full of better scores) still rewrite the file.
        QVERIFY2(placements > kills / 4, "the writer was mostly killed before it wrote anything");

        // A kill leaves the lock behind, and one between the moment the new table gets a name of its own
        // and the moment it takes the table's place leaves that file too: the next placement removes both.
        // A lock or helper lock that a killed writer had made but not yet named is only known to be left
        // once it is older than a running game's could be, so the placement waits for that age.
        const QDir folder(m_dir->path());
        const auto youngest = [&folder] {
            qint64 age = zub::FileLock::kNamelessAfterMs + 1;
            for (const QString& name : Leftovers(folder))
                age = std::min(
                    age,
                    QFileInfo(folder.filePath(name)).lastModified().msecsTo(QDateTime::currentDateTime()));
            return age;
        };
        while (youngest() <= zub::FileLock::kNamelessAfterMs)
            QThread::msleep(20);
        PlaceOneScore();
        QVERIFY(!ScoresOf(ReadBytes(TablePath())).isEmpty());
        QCOMPARE(Leftovers(folder), QStringList());
    }

    // The files an interrupted save of ours leaves - empty, half written, a whole table - are removed by
    // the next placement; any other file beside the table stays as it is, also one of a similar name. A
    // lock file left empty by a game killed as it made it does not stop the placement.
    void interruptedSavesAreRemovedAndNothingElse()
    {
        const QDir folder(m_dir->path());
        const QStringList ours{QStringLiteral("hang.zub.aB3dE9.saving"),
                               QStringLiteral("hang.zub.Zz0001.saving"),
                               QStringLiteral("hang.zub.Qq7777.saving")};
        // In the order the folder lists them, by name whatever the case.
        const QStringList others{QStringLiteral(".hang.zub.new"), QStringLiteral("hang.zub.aB3dE9"),
                                 QStringLiteral("hang.zub.old"), QStringLiteral("hang.zub.Zz01.saving"),
                                 QStringLiteral("other.zub.aB3dE9.saving")};
        WriteBytes(folder.filePath(ours[0]), QByteArray());
        WriteBytes(folder.filePath(ours[1]), "Best scores\r\nPlayer 5");
        WriteBytes(folder.filePath(ours[2]), TableOf({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        for (const QString& name : others)
            WriteBytes(folder.filePath(name), name.toUtf8());
        // The lock of a game that has ended, and the take-over helpers of one killed while it took the lock
        // over, which name no process.
        WriteBytes(TablePath() + QStringLiteral(".lock"),
                   "999999999\nrobustness_highscorewriter\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        for (const QString& helper : {QStringLiteral(".lock.rmlock"), QStringLiteral(".lock.rmlock.rmlock"),
                                      QStringLiteral(".lock.rmlock.rmlock.rmlock")}) {
            QFile lock(TablePath() + helper);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                     QFileDevice::FileModificationTime));
        }

        PlaceOneScore();

        const QList<int> scores = ScoresOf(ReadBytes(TablePath()));
        QVERIFY(!scores.isEmpty());
        QVERIFY(scores.last() > 100);
        QCOMPARE(Leftovers(folder), others);
        for (const QString& name : others)
            QCOMPARE(ReadBytes(folder.filePath(name)), name.toUtf8());
    }

    // Two games place scores into one table at the same time, 500 each. Every entry goes into the table
    // as the file holds it at that moment, so the final table is the best ten of all entries ever placed
    // and the starting ones; and a reader never finds the file torn.
    void twoWritersLoseNoEntries()
    {
        const QList<int> start = ScoresOf(ReadBytes(TablePath()));
        QProcess anna;
        QProcess boris;
        StartWriter(anna, {QStringLiteral("Anna"), QStringLiteral("500")});
        StartWriter(boris, {QStringLiteral("Boris"), QStringLiteral("500")});
        int reads = 0;
        while (anna.state() != QProcess::NotRunning || boris.state() != QProcess::NotRunning) {
            const QByteArray bytes = ReadBytes(TablePath());
            QVERIFY2(!ScoresOf(bytes).isEmpty(), bytes.constData());
            ++reads;
            anna.waitForFinished(5);
            boris.waitForFinished(5);
        }
        QCOMPARE(anna.exitCode(), 0);
        QCOMPARE(boris.exitCode(), 0);

        QList<int> all = start;
        for (QProcess* writer : {&anna, &boris}) {
            for (const QByteArray& line : writer->readAllStandardOutput().split('\n')) {
                if (line.startsWith("placed "))
                    all << line.mid(7).toInt();
            }
        }
        QCOMPARE(all.size(), start.size() + 1000);
        std::sort(all.begin(), all.end(), std::greater<>());
        QCOMPARE(ScoresOf(ReadBytes(TablePath())), all.mid(0, 10));
        qInfo("1000 placements by two games, the table read %d times while they ran", reads);
        QCOMPARE(Leftovers(QDir(m_dir->path())), QStringList());
    }

private:
    QString TablePath() const { return m_dir->filePath(QStringLiteral("hang.zub")); }

    void StartWriter(QProcess& writer, const QStringList& playerAndCount = {})
    {
        writer.setProgram(QStringLiteral(ZUB_HIGHSCORE_WRITER));
        writer.setArguments(QStringList{m_dir->path()} + playerAndCount);
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start();
        QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));
        QVERIFY2(writer.waitForReadyRead(10000), "the writer did not load the table");
        QCOMPARE(writer.readLine(), QByteArray("ready\n"));
    }

    // One game that places one score and ends.
    void PlaceOneScore()
    {
        QProcess writer;
        StartWriter(writer, {QStringLiteral("Player"), QStringLiteral("1")});
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
    }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
