#pragma once

#include "audiobuffer.h"

#include <cmath>
#include <numbers>

namespace zub::mediagen::test {

// Measurements on sounds, used by the tests to check what a sound does rather than how it is made.

// The loudness (root mean square) of the samples from `from` to `to` seconds.
inline double Loudness(const AudioBuffer& sound, double from, double to)
{
    const int first = AudioBuffer::toSamples(from);
    const int last = std::min(sound.size(), AudioBuffer::toSamples(to));
    double sum = 0.0;
    for (int i = first; i < last; ++i) {
        sum += double(sound.at(i)) * sound.at(i);
    }
    return last > first ? std::sqrt(sum / (last - first)) : 0.0;
}

// How many times the signal rises through zero between `from` and `to` seconds: its pitch in Hz
// times the span, for a tone whose fundamental dominates.
inline int RisingZeroCrossings(const AudioBuffer& sound, double from, double to)
{
    int count = 0;
    const int last = std::min(sound.size(), AudioBuffer::toSamples(to));
    for (int i = AudioBuffer::toSamples(from) + 1; i < last; ++i) {
        if (sound.at(i - 1) < 0.0f && sound.at(i) >= 0.0f) {
            ++count;
        }
    }
    return count;
}

// The strength of one frequency in the whole sound (Goertzel's single-bin transform).
inline double Strength(const AudioBuffer& sound, double frequency)
{
    const double step = 2.0 * std::numbers::pi * frequency / AudioBuffer::SampleRate;
    double real = 0.0;
    double imaginary = 0.0;
    for (int i = 0; i < sound.size(); ++i) {
        real += sound.at(i) * std::cos(step * i);
        imaginary += sound.at(i) * std::sin(step * i);
    }
    return std::hypot(real, imaginary) / sound.size();
}

} // namespace zub::mediagen::test
