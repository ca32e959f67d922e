#include "platform/media/waveheader.h"

#include "platform/error.h"

#include <QtEndian>
#include <algorithm>

namespace zub {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kExtensible = 0xFFFE; // PCM with a channel mask; the sound system reads it too

} // namespace

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
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                throw broken("its format chunk is cut short");
            const char* fmt = bytes.constData() + body;
            const quint16 tag = qFromLittleEndian<quint16>(fmt);
            format.channels = qFromLittleEndian<quint16>(fmt + 2);
            format.sampleRate = int(qFromLittleEndian<quint32>(fmt + 4));
            format.bitsPerSample = qFromLittleEndian<quint16>(fmt + 14);
            if (tag != kPcm && tag != kExtensible)
                throw broken("its samples are compressed; only uncompressed sound is played");
            if (format.channels < 1 || format.channels > 8 || format.sampleRate < 1000 ||
                format.sampleRate > 384000 ||
                (format.bitsPerSample != 8 && format.bitsPerSample != 16 && format.bitsPerSample != 32))
                throw broken("its format chunk describes no playable sound");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                throw broken("its samples come before their format");
            const qsizetype frame = qsizetype(format.channels) * format.bitsPerSample / 8;
            format.dataOffset = body;
            format.dataBytes = std::min<qsizetype>(size, bytes.size() - body) / frame * frame;
            return format;
        }
        at = body + qint64(size) + (size & 1); // chunks are padded to an even length
    }
    throw broken(haveFormat ? "it holds no samples" : "it has no format chunk");
}

} // namespace zub
