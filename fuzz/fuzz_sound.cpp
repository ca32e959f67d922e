// Any bytes as a wave file and as a movie. The wave header either describes a playable sound whose
// samples lie inside the bytes or stops with an error that names the file; the movie's sound walk either
// finds no sound or a playable one whose samples are at most the bytes there are. The address checks
// catch any read outside the input.
#include "fuzzsupport.h"
#include "platform/error.h"
#include "platform/media/moviesound.h"
#include "platform/media/waveheader.h"

using namespace zub;
using namespace zub::fuzz;

namespace {

const QString kName = QStringLiteral("Intro/winletter.wav");

// What the sound system needs to play the samples: whole frames of 8, 16 or 32 bits, a rate and channels.
bool Playable(const WaveFormat& format)
{
    return format.channels >= 1 && format.sampleRate > 0 &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 32) &&
           format.dataBytes % (format.channels * format.bitsPerSample / 8) == 0;
}

QString Described(const WaveFormat& format)
{
    return QStringLiteral("%1 channels, %2 Hz, %3 bits, %4 bytes at %5")
        .arg(format.channels)
        .arg(format.sampleRate)
        .arg(format.bitsPerSample)
        .arg(format.dataBytes)
        .arg(format.dataOffset);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = InputBytes(data, size);
    try {
        const WaveFormat format = ReadWaveHeader(bytes, kName);
        Check(Playable(format), QStringLiteral("an unplayable wave sound: ") + Described(format));
        Check(format.dataOffset >= 12 && format.dataBytes >= 0 &&
                  format.dataOffset + format.dataBytes <= bytes.size(),
              QStringLiteral("wave samples outside the bytes: ") + Described(format));
    } catch (const Error& error) {
        Check(error.message().contains(kName),
              QStringLiteral("the error does not name the file: ") + error.message());
    }

    if (const std::optional<MovieSound> sound = ReadMovieSound(bytes)) {
        const WaveFormat& format = sound->format;
        Check(Playable(format) && format.dataOffset == 0,
              QStringLiteral("an unplayable movie sound: ") + Described(format));
        Check(!sound->samples.isEmpty() && format.dataBytes == sound->samples.size() &&
                  sound->samples.size() <= bytes.size(),
              QStringLiteral("movie samples that are not in the bytes: ") + Described(format));
    }
    return 0;
}
