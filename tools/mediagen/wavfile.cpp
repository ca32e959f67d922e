#include "wavfile.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace zub::mediagen {

namespace {

constexpr int kChannels = 1;
constexpr int kBytesPerSample = 2;

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xff));
    }
}

std::int16_t toPcm(float sample)
{
    const float clamped = std::clamp(sample, -1.0f, 1.0f);
    return std::int16_t(std::lround(clamped * 32767.0f));
}

} // namespace

QByteArray WavBytes(const AudioBuffer& sound)
{
    const std::uint32_t dataSize = std::uint32_t(sound.size()) * kBytesPerSample * kChannels;
    QByteArray bytes;
    bytes.reserve(int(44 + dataSize));
    bytes.append("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVE");
    bytes.append("fmt ");
    appendLittleEndian(bytes, 16, 4); // size of the format chunk
    appendLittleEndian(bytes, 1, 2);  // PCM
    appendLittleEndian(bytes, kChannels, 2);
    appendLittleEndian(bytes, AudioBuffer::SampleRate, 4);
    appendLittleEndian(bytes, AudioBuffer::SampleRate * kChannels * kBytesPerSample, 4); // bytes per second
    appendLittleEndian(bytes, kChannels * kBytesPerSample, 2);                           // bytes per frame
    appendLittleEndian(bytes, 8 * kBytesPerSample, 2);                                   // bits per sample
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    for (const float sample : sound.samples()) {
        appendLittleEndian(bytes, std::uint16_t(toPcm(sample)), 2);
    }
    return bytes;
}

void WriteWav(const AudioBuffer& sound, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WavBytes(sound)) < 0 || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

} // namespace zub::mediagen
