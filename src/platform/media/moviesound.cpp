#include "platform/media/moviesound.h"

#include <QByteArrayView>
#include <QtEndian>
#include <algorithm>

namespace zub {

namespace {

constexpr quint16 kPcmFormatTag = 1;

// The RIFF chunks of one list: each id with the offset and size of its body, read only where the bytes are
// really there.
class Chunks
{
public:
    Chunks(const QByteArray& bytes, qsizetype from, qsizetype to) : m_bytes(bytes), m_at(from), m_end(to) {}

    bool next()
    {
        if (m_at + 8 > m_end)
            return false;
        id = QByteArrayView(m_bytes.constData() + m_at, 4);
        body = m_at + 8;
        size = std::min<qsizetype>(qFromLittleEndian<quint32>(m_bytes.constData() + m_at + 4), m_end - body);
        m_at = body + size + (size & 1); // bodies are padded to an even length
        return true;
    }
    // The type of a LIST chunk; empty for any other.
    QByteArrayView listType() const
    {
        return id == "LIST" && size >= 4 ? QByteArrayView(m_bytes.constData() + body, 4) : QByteArrayView();
    }

    QByteArrayView id;
    qsizetype body = 0;
    qsizetype size = 0;

private:
    const QByteArray& m_bytes;
    qsizetype m_at;
    qsizetype m_end;
};

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The PCM format of a stream list ("strl"), if it is a sound stream of that kind.
std::optional<WaveFormat> pcmFormat(const QByteArray& avi, qsizetype from, qsizetype to)
{
    bool sound = false;
    for (Chunks chunk(avi, from, to); chunk.next();) {
        if (chunk.id == "strh" && chunk.size >= 4)
            sound = QByteArrayView(avi.constData() + chunk.body, 4) == "auds";
        if (chunk.id != "strf" || !sound || chunk.size < 16 || le16(avi, chunk.body) != kPcmFormatTag)
            continue;
        const WaveFormat format{le16(avi, chunk.body + 2), int(le32(avi, chunk.body + 4)),
                                le16(avi, chunk.body + 14)};
        const bool playable =
            format.channels >= 1 && format.channels <= 8 && format.sampleRate >= 1000 &&
            format.sampleRate <= 384000 &&
            (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 32);
        return playable ? std::optional(format) : std::nullopt;
    }
    return std::nullopt;
}

// Appends the bodies of the chunks named id in the movie data, also inside its "rec " lists.
void collect(const QByteArray& avi, qsizetype from, qsizetype to, QByteArrayView id, QByteArray& samples)
{
    for (Chunks chunk(avi, from, to); chunk.next();) {
        if (chunk.id == id)
            samples.append(avi.constData() + chunk.body, chunk.size);
        else if (chunk.listType() == "rec ")
            collect(avi, chunk.body + 4, chunk.body + chunk.size, id, samples);
    }
}

} // namespace

std::optional<MovieSound> ReadMovieSound(const QByteArray& avi)
{
    if (avi.size() < 12 || !avi.startsWith("RIFF") || QByteArrayView(avi).sliced(8, 4) != "AVI ")
        return std::nullopt;
    std::optional<MovieSound> sound;
    QByteArray soundChunk; // "01wb" for stream 1
    Chunks top(avi, 12, std::min<qsizetype>(avi.size(), 8 + qsizetype(le32(avi, 4))));
    while (top.next()) {
        if (top.listType() == "hdrl" && !sound) {
            int stream = 0;
            for (Chunks header(avi, top.body + 4, top.body + top.size); header.next();) {
                if (header.listType() != "strl")
                    continue;
                if (std::optional<WaveFormat> format =
                        pcmFormat(avi, header.body + 4, header.body + header.size)) {
                    sound = MovieSound{*format, {}};
                    soundChunk = QByteArray::number(stream).rightJustified(2, '0') + "wb";
                    break;
                }
                ++stream;
            }
        }
        if (top.listType() == "movi" && sound)
            collect(avi, top.body + 4, top.body + top.size, soundChunk, sound->samples);
    }
    if (!sound || sound->samples.isEmpty())
        return std::nullopt;
    sound->format.dataBytes = sound->samples.size();
    return sound;
}

} // namespace zub
