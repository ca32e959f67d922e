#include "wavfile.h"

#include <QTest>
#include <stdexcept>

using namespace zub::mediagen;

namespace {

qint16 sampleAt(const QByteArray& bytes, int index)
{
    const int at = 44 + 2 * index;
    return qint16(quint16(quint8(bytes[at])) | quint16(quint8(bytes[at + 1])) << 8);
}

} // namespace

class WavFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samplesAreRoundedAndClamped_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("silence") << 0.0f << 0;
        QTest::newRow("half") << 0.5f << 16384;
        QTest::newRow("minus half") << -0.5f << -16384;
        QTest::newRow("full") << 1.0f << 32767;
        QTest::newRow("minus full") << -1.0f << -32767;
        QTest::newRow("too loud is clipped, not wrapped") << 1.7f << 32767;
        QTest::newRow("too loud below") << -3.0f << -32767;
    }

    void samplesAreRoundedAndClamped()
    {
        QFETCH(float, value);
        QFETCH(int, stored);
        AudioBuffer sound(0.001);
        sound.add(3, value);
        const QByteArray bytes = WavBytes(sound);
        QCOMPARE(int(sampleAt(bytes, 3)), stored);
        QCOMPARE(int(sampleAt(bytes, 2)), 0);
    }

    // The bytes on disk are held to the committed sounds by the movie writer's test.
    void unwritableFileIsNamedInTheError()
    {
        const QString path = QStringLiteral("/nonexistent-folder/sound.wav");
        try {
            WriteWav(AudioBuffer(0.01), path);
            QFAIL("no error for an unwritable file");
        } catch (const std::runtime_error& error) {
            QVERIFY(QString::fromStdString(error.what()).contains(path));
        }
    }
};

QTEST_GUILESS_MAIN(WavFileTest)
#include "tst_wavfile.moc"
