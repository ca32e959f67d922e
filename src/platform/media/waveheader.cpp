#include "platform/media/waveheader.h"

#include "platform/error.h"
#include "platform/media/riffchunks.h"

#include <QtEndian>

namespace zub {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kExtensible = 0xFFFE; // PCM with a channel mask; the sound system reads it too

} // namespace

SoundKind ReadFormatChunk(const char* body, WaveFormat& format)
{
    const quint16 tag = qFromLittleEndian<quint16>(body);
    format.channels = qFromLittleEndian<quint16>(body + 2);
    format.sampleRate = int(qFromLittleEndian<quint32>(body + 4));
    format.bitsPerSample = qFromLittleEndian<quint16>(body + 14);
    if (tag != kPcm && tag != kExtensible)
        return SoundKind::Compressed;
    const bool playable =
        format.channels >= 1 && format.channels <= 8 && format.sampleRate >= 1000 &&
        format.sampleRate <= 384000 &&
        (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 32);
    return playable ? SoundKind::Playable : SoundKind::Unplayable;
}

WaveFormat ReadWaveHeader(const QByteArray& bytes, const QString& shownName)
{
    const auto broken = [&shownName](const char* why) {
        return Error(
            QStringLiteral("Cannot open media file \"%1\": %2.").arg(shownName, QLatin1StringView(why)));
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        throw broken("it is not a RIFF wave file");
    WaveFormat format;
    bool haveFormat = false;
    for (RiffChunks chunk(bytes, 12, bytes.size()); chunk.next();) {
        if (chunk.id == "fmt ") {
            if (chunk.size < 16)
                throw broken("its format chunk is cut short");
            const SoundKind kind = ReadFormatChunk(bytes.constData() + chunk.body, format);
            if (kind == SoundKind::Compressed)
                throw broken("its samples are compressed; only uncompressed sound is played");
            if (kind == SoundKind::Unplayable)
                throw broken("its format chunk describes no playable sound");
            haveFormat = true;
        } else if (chunk.id == "data") {
            if (!haveFormat)
                throw broken("its samples come before their format");
            const qsizetype frame = qsizetype(format.channels) * format.bitsPerSample / 8;
            format.dataOffset = chunk.body;
            format.dataBytes = chunk.size / frame * frame;
            return format;
        }
    }
    throw broken(haveFormat ? "it holds no samples" : "it has no format chunk");
}

} // namespace zub
