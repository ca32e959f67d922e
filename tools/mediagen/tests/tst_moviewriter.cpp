#include "mediafiles.h"
#include "moviepaint.h"
#include "moviewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using namespace zub::mediagen;

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

    // A failed run reports the movie and what went wrong, and keeps the movie that was there.
    void failedRunKeepsThePreviousMovie_data()
    {
        QTest::addColumn<QString>("encoder");
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<QString>("reason");
        QTest::newRow("encoder fails")
            << QFINDTESTDATA("fake-encoder.sh") << QSize(4, 4) << "unsupported codec";
        // The first frame is right and reaches the encoder's file; the writer's own check fails the second.
        QTest::newRow("frame of the wrong size")
            << QFINDTESTDATA("fake-encoder.sh") << QSize(6, 10) << "wrong size";
        QTest::newRow("missing encoder") << "/nonexistent/encoder" << QSize(4, 4) << "/nonexistent/encoder";
    }
    void failedRunKeepsThePreviousMovie()
    {
        QFETCH(QString, encoder);
        QFETCH(QSize, frameSize);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const MoviePlan plan{.path = folder.filePath(QStringLiteral("movie.avi")),
                             .frameSize = QSize(4, 4),
                             .framesPerSecond = 4,
                             .frameCount = 3};
        QFile previous(plan.path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("old movie");
        previous.close();
        QImage first(plan.frameSize, QImage::Format_RGB32);
        first.fill(Qt::blue);
        const QImage later = first.scaled(frameSize);
        try {
            WriteMovie(encoder, plan, [&](double time) {
                // A later frame comes once the encoder has begun its file, as a real one would have.
                const auto begun = [&] { return QFile::exists(plan.path + QStringLiteral(".part")); };
                if (time > 0 && QFileInfo(encoder).isFile() && !QTest::qWaitFor(begun))
                    qWarning("the encoder never began its file");
                return time == 0 ? first : later;
            });
            QFAIL("the movie was written");
        } catch (const std::runtime_error& error) {
            const QString message = QString::fromStdString(error.what());
            QVERIFY2(message.contains(plan.path) && message.contains(reason), qPrintable(message));
        }
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("old movie"));
        QVERIFY(!QFile::exists(plan.path + QStringLiteral(".part")));
    }
};

QTEST_MAIN(MovieWriterTest)
#include "tst_moviewriter.moc"
