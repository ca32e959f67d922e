#include "wavfile.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using namespace zub::mediagen;

namespace {

struct WavHeader
{
    QByteArray riff;
    quint32 riffSize = 0;
    QByteArray wave;
    QByteArray fmt;
    quint32 fmtSize = 0;
    quint16 format = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
    QByteArray data;
    quint32 dataSize = 0;
};

WavHeader readHeader(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    const auto tag = [&in] {
        QByteArray text(4, '\0');
        in.readRawData(text.data(), 4);
        return text;
    };
    WavHeader header;
    header.riff = tag();
    in >> header.riffSize;
    header.wave = tag();
    header.fmt = tag();
    in >> header.fmtSize >> header.format >> header.channels >> header.sampleRate >> header.byteRate >>
        header.blockAlign >> header.bitsPerSample;
    header.data = tag();
    in >> header.dataSize;
    return header;
}

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
    // The game's media system must recognise the file as plain 16-bit mono PCM at our rate.
    void headerDescribesMono16BitPcm()
    {
        AudioBuffer sound(0.5);
        const QByteArray bytes = WavBytes(sound);
        const WavHeader header = readHeader(bytes);
        const quint32 dataSize = quint32(sound.size()) * 2;
        QCOMPARE(header.riff, QByteArray("RIFF"));
        QCOMPARE(header.riffSize, 36 + dataSize);
        QCOMPARE(header.wave, QByteArray("WAVE"));
        QCOMPARE(header.fmt, QByteArray("fmt "));
        QCOMPARE(header.fmtSize, 16u);
        QCOMPARE(header.format, quint16(1));
        QCOMPARE(header.channels, quint16(1));
        QCOMPARE(header.sampleRate, quint32(AudioBuffer::SampleRate));
        QCOMPARE(header.byteRate, quint32(AudioBuffer::SampleRate * 2));
        QCOMPARE(header.blockAlign, quint16(2));
        QCOMPARE(header.bitsPerSample, quint16(16));
        QCOMPARE(header.data, QByteArray("data"));
        QCOMPARE(header.dataSize, dataSize);
        QCOMPARE(quint32(bytes.size()), 44 + dataSize);
    }

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

    void writtenFileHoldsTheBytes()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tone.wav"));
        AudioBuffer sound(0.01);
        sound.add(5, 0.25f);
        WriteWav(sound, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), WavBytes(sound));
    }

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
#include "wavfile_test.moc"
