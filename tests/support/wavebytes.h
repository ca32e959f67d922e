#pragma once

// The bytes of a RIFF wave file of 16-bit PCM samples, for tests that need a sound of their own.

#include <QByteArray>
#include <QDataStream>
#include <QList>
#include <optional>

namespace zub::test {

// The header gives dataSize as the size of the samples when set, so that it can lie about those that
// follow; it says `channels` whatever the samples hold.
inline QByteArray WaveBytes(const QList<qint16>& samples, quint32 sampleRate, quint16 channels = 1,
                            std::optional<quint32> dataSize = {})
{
    const quint32 size = dataSize.value_or(quint32(2 * samples.size()));
    QByteArray bytes;
    QDataStream wave(&bytes, QIODevice::WriteOnly);
    wave.setByteOrder(QDataStream::LittleEndian);
    wave.writeRawData("RIFF", 4);
    wave << quint32(36 + size);
    // The format chunk: PCM, the channels, the rate, bytes a second and a frame, 16 bits a sample.
    wave.writeRawData("WAVEfmt ", 8);
    wave << quint32(16) << quint16(1) << channels << sampleRate << quint32(2 * channels * sampleRate)
         << quint16(2 * channels) << quint16(16);
    wave.writeRawData("data", 4);
    wave << size;
    for (const qint16 sample : samples)
        wave << sample;
    return bytes;
}

} // namespace zub::test
