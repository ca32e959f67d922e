#include "moviewriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using namespace zub::mediagen;

namespace {

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::runtime_error& error) {
        return QString::fromStdString(error.what());
    }
    return QString();
}

// Stands in for the video encoder: stores the raw frames, or fails for an output named "fail...".
QString fakeEncoder()
{
    return QFINDTESTDATA("fake-encoder.sh");
}

QImage filled(QSize size, QColor colour)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(colour);
    return frame;
}

} // namespace

class MovieWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void packedFramesHaveNoRowPadding_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("game-over movie, rows padded in memory") << QSize(270, 250);
        QTest::newRow("intro movie") << QSize(620, 480);
        QTest::newRow("one pixel wide") << QSize(1, 3);
    }

    // The encoder reads exactly width x height x 3 bytes per frame; padding would shear the picture.
    void packedFramesHaveNoRowPadding()
    {
        QFETCH(QSize, size);
        QImage frame = filled(size, Qt::black);
        const QPoint probe(size.width() - 1, size.height() - 1);
        frame.setPixelColor(probe, QColor(10, 20, 30));
        const QByteArray packed = PackRgb24(frame);
        QCOMPARE(packed.size(), size.width() * size.height() * 3);
        const int at = 3 * (probe.y() * size.width() + probe.x());
        QCOMPARE(int(quint8(packed[at])), 10);
        QCOMPARE(int(quint8(packed[at + 1])), 20);
        QCOMPARE(int(quint8(packed[at + 2])), 30);
    }

    void encoderArgumentsDescribeTheMovie()
    {
        MoviePlan plan{.path = QStringLiteral("movie.avi"),
                       .frameSize = QSize(270, 250),
                       .framesPerSecond = 12,
                       .frameCount = 48,
                       .quality = 4,
                       .soundtrackWav = {}};
        QStringList arguments = EncoderArguments(plan, QStringLiteral("out.avi"));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("-video_size")) + 1),
                 QStringLiteral("270x250"));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("-framerate")) + 1), QStringLiteral("12"));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("-c:v")) + 1), QStringLiteral("mjpeg"));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("-q:v")) + 1), QStringLiteral("4"));
        QCOMPARE(arguments.last(), QStringLiteral("out.avi"));
        QVERIFY(!arguments.contains(QStringLiteral("1:a")));

        plan.soundtrackWav = QStringLiteral("sound.wav");
        arguments = EncoderArguments(plan, QStringLiteral("out.avi"));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("sound.wav")) - 1), QStringLiteral("-i"));
        QVERIFY(arguments.contains(QStringLiteral("1:a")));
        QCOMPARE(arguments.at(arguments.indexOf(QStringLiteral("-c:a")) + 1), QStringLiteral("pcm_s16le"));
    }

    void everyFrameReachesTheEncoder()
    {
        QTemporaryDir folder;
        const MoviePlan plan{.path = folder.filePath(QStringLiteral("movie.avi")),
                             .frameSize = QSize(10, 6),
                             .framesPerSecond = 4,
                             .frameCount = 5};
        QList<double> times;
        WriteMovie(fakeEncoder(), plan, [&](double time) {
            times.append(time);
            return filled(plan.frameSize, Qt::red);
        });
        QCOMPARE(times, (QList<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
        QCOMPARE(QFileInfo(plan.path).size(), qint64(5 * 10 * 6 * 3));
        QVERIFY(!QFile::exists(plan.path + QStringLiteral(".part")));
    }

    // A failed run reports the movie and the encoder's complaint, and keeps the movie that was there.
    void failedEncoderKeepsThePreviousMovie()
    {
        QTemporaryDir folder;
        const MoviePlan plan{.path = folder.filePath(QStringLiteral("fail.avi")),
                             .frameSize = QSize(4, 4),
                             .framesPerSecond = 4,
                             .frameCount = 3};
        QFile previous(plan.path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("old movie");
        previous.close();
        const QString error = errorOf([&] {
            WriteMovie(fakeEncoder(), plan, [&](double) { return filled(plan.frameSize, Qt::blue); });
        });
        QVERIFY(error.contains(plan.path));
        QVERIFY(error.contains(QStringLiteral("unsupported codec")));
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("old movie"));
        QVERIFY(!QFile::exists(plan.path + QStringLiteral(".part")));
    }

    void framesOfTheWrongSizeAreRefused()
    {
        QTemporaryDir folder;
        const MoviePlan plan{.path = folder.filePath(QStringLiteral("movie.avi")),
                             .frameSize = QSize(10, 6),
                             .framesPerSecond = 4,
                             .frameCount = 2};
        const QString error = errorOf(
            [&] { WriteMovie(fakeEncoder(), plan, [](double) { return filled(QSize(6, 10), Qt::red); }); });
        QVERIFY(error.contains(QStringLiteral("wrong size")));
        QVERIFY(!QFile::exists(plan.path));
    }

    void missingEncoderIsReported()
    {
        QTemporaryDir folder;
        const MoviePlan plan{.path = folder.filePath(QStringLiteral("movie.avi")),
                             .frameSize = QSize(4, 4),
                             .framesPerSecond = 4,
                             .frameCount = 1};
        const QString error = errorOf([&] {
            WriteMovie(QStringLiteral("/nonexistent/encoder"), plan,
                       [&](double) { return filled(plan.frameSize, Qt::red); });
        });
        QVERIFY(error.contains(plan.path));
        QVERIFY(error.contains(QStringLiteral("/nonexistent/encoder")));
    }
};

QTEST_GUILESS_MAIN(MovieWriterTest)
#include "moviewriter_test.moc"
