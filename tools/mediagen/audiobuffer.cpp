#include "audiobuffer.h"

#include <algorithm>
#include <cmath>

namespace zub::mediagen {

AudioBuffer::AudioBuffer(double seconds) : m_samples(std::size_t(std::max(0, toSamples(seconds))), 0.0f) {}

void AudioBuffer::add(int index, float value)
{
    if (index >= 0 && index < size()) {
        m_samples[std::size_t(index)] += value;
    }
}

void AudioBuffer::mix(const AudioBuffer& other, double atSeconds, float gain)
{
    const int offset = toSamples(atSeconds);
    for (int i = 0; i < other.size(); ++i) {
        add(offset + i, other.at(i) * gain);
    }
}

float AudioBuffer::peak() const
{
    float loudest = 0.0f;
    for (const float sample : m_samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

void AudioBuffer::scaleToPeak(float target)
{
    const float loudest = peak();
    if (loudest == 0.0f) {
        return;
    }
    const float factor = target / loudest;
    for (float& sample : m_samples) {
        sample *= factor;
    }
}

int AudioBuffer::toSamples(double seconds)
{
    return int(std::lround(seconds * SampleRate));
}

} // namespace zub::mediagen
