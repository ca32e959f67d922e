#pragma once

#include <vector>

namespace zub::mediagen {

// A mono sound being composed: floating-point samples at the fixed rate of all our sounds.
//
// Sounds are built by mixing notes and other sounds into a buffer of fixed length; anything that would
// reach past its end is cut off. Samples are nominally in -1 .. 1; scaleToPeak() brings a finished
// sound to its final loudness before it is written.
class AudioBuffer
{
public:
    static constexpr int SampleRate = 22050;

    explicit AudioBuffer(double seconds);

    int size() const { return int(m_samples.size()); }
    double duration() const { return double(size()) / SampleRate; }
    const std::vector<float>& samples() const { return m_samples; }

    float at(int index) const { return m_samples[std::size_t(index)]; }
    // Adds `value` to the sample at `index`; indices outside the buffer are ignored.
    void add(int index, float value);

    // Adds `other`, scaled by `gain`, starting `atSeconds` into this buffer.
    void mix(const AudioBuffer& other, double atSeconds, float gain = 1.0f);

    float peak() const;
    // Scales the whole sound so that its loudest sample reaches `target`; a silent sound stays silent.
    void scaleToPeak(float target);

    static int toSamples(double seconds);

private:
    std::vector<float> m_samples;
};

} // namespace zub::mediagen
