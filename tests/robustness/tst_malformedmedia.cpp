// Broken media files. A missing file, and a sound whose wave header does not parse, is refused by name
// when it is opened. A movie that is there but is no movie - noise, cut short - opens, and within bounded
// time the media system either reports it once by name or plays what it can to the end - only a movie cut
// right after its header may leave it loading for good; Play and Stop go on answering at once, and the
// file is never changed.
#include "platform/media/mediaplayer.h"
#include "platform/media/soundcue.h"
#include "testfiles.h"
#include "wavebytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

using zub::MediaPlayer;
using namespace zub::test;

namespace {

// The media system settles on a file within this time, even when it gives up on it.
constexpr int kSettleMs = 20000;

// What the media system makes of a file.
const QString kRefused = QStringLiteral("refused");                 // Open throws, naming the file
const QString kReported = QStringLiteral("reported");               // the failure report, once
const QString kEnds = QStringLiteral("ends");                       // played to its end
const QString kEndsOrReported = QStringLiteral("ends or reported"); // either of the two
// Any of these, or still loading: the media system may wait for the rest of a cut movie for good.
const QString kMayStayLoading = QStringLiteral("may stay loading");

// A wave file of 16-bit samples at 8000 Hz, a 200 Hz square tone, whose header may lie about its
// channels and the size of its samples.
QByteArray Wave(int samples, quint32 dataSize, quint16 channels = 1)
{
    QList<qint16> tone(samples);
    for (int i = 0; i < samples; ++i)
        tone[i] = (i % 40 < 20) ? 3000 : -3000;
    return WaveBytes(tone, 8000, channels, dataSize);
}

QByteArray Noise(qsizetype size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

class MalformedMediaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void brokenFileEndsOrIsReportedByName_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome");

        QTest::newRow("missing sound") << "backsound1.wav" << kMissing << kRefused;
        QTest::newRow("empty sound") << "winletter.wav" << QByteArray() << kRefused;
        QTest::newRow("text as a sound") << "lose2.wav" << QByteArray("This is not a sound.\r\n") << kRefused;
        QTest::newRow("wave of no channels") << "winletter.wav" << Wave(4000, 8000, 0) << kRefused;
        QTest::newRow("wave cut in its header") << "newword.wav" << Wave(0, 8000).left(30) << kRefused;
        QTest::newRow("wave claiming 4 GB") << "winner2.wav" << Wave(4000, 0xFFFFFFF0u) << kEnds;
        QTest::newRow("noise as a movie") << "Game over.avi" << Noise(64 * 1024) << kReported;
        QTest::newRow("movie cut short")
            << "Game over.avi" << ReadBytes(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi").left(64 * 1024)
            << kEndsOrReported;
        QTest::newRow("movie header only")
            << "Hangman.avi" << ReadBytes(ZUB_SOURCE_DATA_DIR "/Intro/Hangman.avi").left(2048)
            << kMayStayLoading;
    }
    void brokenFileEndsOrIsReportedByName()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);

        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u'-' + fileName);
        Put(path, bytes);
        {
            MediaPlayer player;
            QSignalSpy failures(&player, &MediaPlayer::failed);
            const QString opening = ErrorOf([&] { player.Open(path); });
            if (outcome == kRefused) {
                CheckErrorNames(opening, QDir::toNativeSeparators(path),
                                QStringLiteral("Cannot open media file"));
                QVERIFY(!player.isOpen());
                CheckErrorNames(ErrorOf([&] { player.Play(); }), QString(), QStringLiteral("no file open"));
                return;
            }
            QVERIFY2(opening.isNull(), qPrintable(opening));

            QElapsedTimer clock;
            clock.start();
            player.Play();
            const auto settled = [&] { return failures.count() > 0 || player.timesPlayedToEnd() > 0; };
            if (player.sound())
                QCOMPARE(player.sound()->timesStarted(), 1); // a sound that opened plays what it holds
            else if (outcome == kMayStayLoading)
                (void)QTest::qWaitFor(settled, kSettleMs / 4);
            else
                QTRY_VERIFY_WITH_TIMEOUT(settled(), kSettleMs);
            if (outcome == kReported)
                QCOMPARE(failures.count(), 1);
            if (outcome == kEnds)
                QCOMPARE(failures.count(), 0);
            if (!failures.isEmpty())
                CheckErrorNames(failures.first().first().toString(), QDir::toNativeSeparators(path),
                                QStringLiteral("Cannot play media file"));

            // The game goes on: the player still answers at once, and reports the file no more than once.
            player.Stop();
            QVERIFY(!player.isPlaying());
            player.Play();
            player.Stop();
            QVERIFY2(clock.elapsed() < kSettleMs, "the player held the game up");
            QVERIFY(failures.count() <= 1);
        }
        QVERIFY(ReadBytes(path) == bytes);
    }

    void movieGoneBeforeItPlaysIsReportedByName()
    {
        const QString path = m_dir.filePath(QStringLiteral("gone-Game over.avi"));
        Put(path, ReadBytes(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi"));
        MediaPlayer player;
        QSignalSpy failures(&player, &MediaPlayer::failed);
        player.Open(path);
        QVERIFY(QFile::remove(path));
        player.Play();
        QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 1, kSettleMs);
        CheckErrorNames(failures.first().first().toString(), QDir::toNativeSeparators(path),
                        QStringLiteral("Cannot play media file"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(MalformedMediaTest)
#include "tst_malformedmedia.moc"
