#include "mediafiles.h"
#include "moviepaint.h"
#include "moviewriter.h"

#include <QDir>
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
    // Making the media again gives the committed files byte for byte: the sounds, the frames, the
    // timeline and the encoder's settings all show here, and a change is committed with the media it
    // changes. The game's own tests and check.sh play the committed files.
    void committedMediaAreCurrent()
    {
        LoadMovieFonts();
        QTemporaryDir folder;
        WriteMediaFiles(folder.path(), QStringLiteral("ffmpeg"));
        const QStringList names = QDir(folder.path()).entryList(QDir::Files);
        QCOMPARE(names.size(), 7);
        for (const QString& name : names) {
            QFile made(folder.filePath(name));
            QFile committed(QStringLiteral(ZUB_MEDIA_DIR "/") + name);
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
            QVERIFY2(made.readAll() == committed.readAll(), qPrintable(name + QStringLiteral(" differs")));
        }
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

QTEST_MAIN(MovieWriterTest)
#include "tst_moviewriter.moc"
