#include "platform/media/moviesound.h"

#include "platform/media/riffchunks.h"

#include <QByteArrayView>
#include <QtEndian>

namespace zub {

namespace {

// The format of a stream list ("strl"), if it is a sound stream the sound system can play as it is.
std::optional<WaveFormat> pcmFormat(const QByteArray& avi, qsizetype from, qsizetype to)
{
    bool sound = false;
    for (RiffChunks chunk(avi, from, to); chunk.next();) {
        if (chunk.id == "strh" && chunk.size >= 4)
            sound = QByteArrayView(avi.constData() + chunk.body, 4) == "auds";
        if (chunk.id != "strf" || !sound || chunk.size < 16)
            continue;
        WaveFormat format;
        if (ReadFormatChunk(avi.constData() + chunk.body, format) != SoundKind::Playable)
            return std::nullopt;
        return format;
    }
    return std::nullopt;
}

// Appends the bodies of the chunks named id in the movie data, also inside its "rec " lists.
void collect(const QByteArray& avi, qsizetype from, qsizetype to, QByteArrayView id, QByteArray& samples)
{
    for (RiffChunks chunk(avi, from, to); chunk.next();) {
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
    RiffChunks top(avi, 12, 8 + qsizetype(qFromLittleEndian<quint32>(avi.constData() + 4)));
    while (top.next()) {
        if (top.listType() == "hdrl" && !sound) {
            int stream = 0;
            for (RiffChunks header(avi, top.body + 4, top.body + top.size); header.next();) {
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
    if (!sound)
        return std::nullopt;
    // As of a wave file, only whole frames are played: a movie cut short can end inside one.
    const qsizetype frame = qsizetype(sound->format.channels) * sound->format.bitsPerSample / 8;
    sound->samples.truncate(sound->samples.size() / frame * frame);
    if (sound->samples.isEmpty())
        return std::nullopt;
    sound->format.dataBytes = sound->samples.size();
    return sound;
}

} // namespace zub
