#pragma once

#include <QByteArray>
#include <QString>

namespace zub {

// What the header of a RIFF wave file says about its sound.
struct WaveFormat
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; // where the samples start
    qsizetype dataBytes = 0;  // the sample bytes really there, however many the header claims
};

// What a "fmt " chunk says of its sound: the one of a wave file, and of a movie's sound stream.
enum class SoundKind
{
    Playable,   // uncompressed, 8, 16 or 32 bits, 1 to 8 channels, a usual rate
    Compressed, // the sound system would need a decoder
    Unplayable, // no sound the sound system takes
};
// Reads the channels, rate and bits of a "fmt " chunk's body into format; the body must hold 16 bytes.
SoundKind ReadFormatChunk(const char* body, WaveFormat& format);

// Reads the header of an uncompressed PCM wave file, given the file's bytes: the RIFF/WAVE chunks, the
// "fmt " chunk and the start of the "data" chunk. Throws zub::Error naming shownName when the bytes are no
// such sound.
WaveFormat ReadWaveHeader(const QByteArray& bytes, const QString& shownName);

} // namespace zub
