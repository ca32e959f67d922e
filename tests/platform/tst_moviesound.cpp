// The sound a movie carries is taken out of the file exactly: every sample chunk of its PCM stream in order,
// nothing of the pictures, and nothing read outside the bytes, however the file is cut or whatever it holds.
#include "platform/media/moviesound.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace zub;

namespace {

QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), size.data());
    return id + size + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray list(const QByteArray& type, const QByteArray& body)
{
    return chunk("LIST", type + body);
}

// A sound stream's header and format: tag, channels, rate, bits.
QByteArray soundStream(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray format(16, '\0');
    qToLittleEndian<quint16>(tag, format.data());
    qToLittleEndian<quint16>(channels, format.data() + 2);
    qToLittleEndian<quint32>(rate, format.data() + 4);
    qToLittleEndian<quint16>(bits, format.data() + 14);
    return list("strl", chunk("strh", "auds" + QByteArray(52, '\0')) + chunk("strf", format));
}

// Pictures as stream 0, the sound as stream 1, one sound chunk inside a "rec " list.
QByteArray movie(const QByteArray& sound)
{
    const QByteArray pictures =
        list("strl", chunk("strh", "vids" + QByteArray(52, '\0')) + chunk("strf", "bmp"));
    const QByteArray data = chunk("00dc", "PIC1") + chunk("01wb", "abc") +
                            list("rec ", chunk("01wb", "defg") + chunk("00dc", "PIC2")) + chunk("00wb", "xx");
    const QByteArray body = "AVI " + list("hdrl", chunk("avih", QByteArray(56, '\0')) + pictures + sound) +
                            chunk("JUNK", "....") + list("movi", data) + chunk("idx1", QByteArray(16, '\0'));
    return chunk("RIFF", body);
}

} // namespace

class MovieSoundTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesThePcmStreamOnly_data()
    {
        QTest::addColumn<QByteArray>("avi");
        QTest::addColumn<QByteArray>("samples"); // empty: no sound to play apart
        // The chunks' bytes in a row, as many as make whole frames.
        QTest::newRow("16-bit mono") << movie(soundStream(1, 1, 22050, 16)) << QByteArray("abcdef");
        QTest::newRow("8-bit stereo") << movie(soundStream(1, 2, 8000, 8)) << QByteArray("abcdef");
        QTest::newRow("8-bit mono") << movie(soundStream(1, 1, 8000, 8)) << QByteArray("abcdefg");
        QTest::newRow("compressed sound") << movie(soundStream(0x55, 2, 44100, 0)) << QByteArray();
        QTest::newRow("24-bit sound") << movie(soundStream(1, 1, 44100, 24)) << QByteArray();
        QTest::newRow("no sound stream") << movie({}) << QByteArray();
        QTest::newRow("a wave file") << chunk("RIFF", "WAVE" + chunk("data", "abcd")) << QByteArray();
        QTest::newRow("no bytes") << QByteArray() << QByteArray();
    }
    void takesThePcmStreamOnly()
    {
        QFETCH(QByteArray, avi);
        QFETCH(QByteArray, samples);
        const std::optional<MovieSound> sound = ReadMovieSound(avi);
        QCOMPARE(sound.has_value(), !samples.isEmpty());
        if (!sound)
            return;
        QCOMPARE(sound->samples, samples);
        QCOMPARE(sound->format.dataOffset, 0);
        QCOMPARE(sound->format.dataBytes, samples.size());
    }

    void formatComesFromTheStream()
    {
        const std::optional<MovieSound> sound = ReadMovieSound(movie(soundStream(1, 2, 8000, 8)));
        QVERIFY(sound);
        QCOMPARE(sound->format.channels, 2);
        QCOMPARE(sound->format.sampleRate, 8000);
        QCOMPARE(sound->format.bitsPerSample, 8);
    }

    // Cut anywhere, a movie gives the samples before the cut or nothing (run under the address sanitizer,
    // this also proves that nothing past the bytes is read).
    void movieCutShortGivesTheSamplesBeforeTheCut()
    {
        const QByteArray whole = movie(soundStream(1, 1, 22050, 16));
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            const QByteArray bytes = whole.left(cut);
            const std::optional<MovieSound> sound =
                ReadMovieSound(QByteArray(bytes.constData(), bytes.size()));
            if (sound)
                QVERIFY2(QByteArray("abcdefg").startsWith(sound->samples), qPrintable(QString::number(cut)));
        }
    }

    void theGameOverMovieCarriesItsSound()
    {
        QFile file(QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<MovieSound> sound = ReadMovieSound(file.readAll());
        QVERIFY(sound);
        QCOMPARE(sound->format.bitsPerSample, 16);
        // At least the seconds of the lost word's jingle.
        QVERIFY(sound->samples.size() > sound->format.sampleRate * sound->format.channels * 2);
    }
};

QTEST_GUILESS_MAIN(MovieSoundTest)
#include "tst_moviesound.moc"
