#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace zub::mediagen {

namespace {

struct Partial
{
    double ratio;     // of the note's frequency
    double amplitude; // relative to the fundamental
};

constexpr Partial kSine[] = {{1.0, 1.0}};
constexpr Partial kSoft[] = {{1.0, 1.0}, {2.0, 0.28}, {3.0, 0.08}};
constexpr Partial kTriangle[] = {{1.0, 1.0}, {3.0, -1.0 / 9}, {5.0, 1.0 / 25}, {7.0, -1.0 / 49}};
constexpr Partial kBrass[] = {{1.0, 1.0}, {2.0, 0.62}, {3.0, 0.45}, {4.0, 0.3},
                              {5.0, 0.2}, {6.0, 0.12}, {7.0, 0.07}, {8.0, 0.04}};
constexpr Partial kBell[] = {{1.0, 1.0}, {2.01, 0.45}, {2.76, 0.3}, {5.4, 0.12}, {8.93, 0.05}};

std::span<const Partial> partialsOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Soft:
        return kSoft;
    case Timbre::Triangle:
        return kTriangle;
    case Timbre::Brass:
        return kBrass;
    case Timbre::Bell:
        return kBell;
    case Timbre::Sine:
        break;
    }
    return kSine;
}

// A small generator written out here in full, so the noise is the same on every machine.
class NoiseSource
{
public:
    explicit NoiseSource(std::uint32_t seed) : m_state(seed == 0 ? 1 : seed) {}

    float next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return float(m_state) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t m_state;
};

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kNyquist = AudioBuffer::SampleRate / 2.0;

} // namespace

double NoteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

double EnvelopeLevel(const Envelope& envelope, double time, double length)
{
    if (time <= 0.0 || time >= length) {
        return 0.0;
    }
    double level = 1.0;
    if (time < envelope.attack) {
        const double rise = std::sin(0.5 * std::numbers::pi * time / envelope.attack);
        level = rise * rise;
    } else if (envelope.decay > 0.0) {
        const double fall = std::exp(-(time - envelope.attack) / envelope.decay);
        level = envelope.sustain + (1.0 - envelope.sustain) * fall;
    } else {
        level = envelope.sustain;
    }
    const double remaining = length - time;
    if (remaining < envelope.release) {
        level *= remaining / envelope.release;
    }
    return level;
}

void AddNote(AudioBuffer& buffer, const Note& note)
{
    const int first = AudioBuffer::toSamples(note.start);
    const int count = AudioBuffer::toSamples(note.length);
    const double endFrequency = note.endFrequency > 0.0 ? note.endFrequency : note.frequency;
    const auto partials = partialsOf(note.timbre);
    double phase = 0.0; // of the fundamental, in cycles
    for (int i = 0; i < count; ++i) {
        const double time = double(i) / AudioBuffer::SampleRate;
        const double progress = double(i) / count;
        // Glides move evenly in pitch, not in Hz, as a voice or a slide would.
        double frequency = note.frequency * std::pow(endFrequency / note.frequency, progress);
        frequency *= 1.0 + note.vibratoDepth * std::sin(kTwoPi * note.vibratoRate * time);
        double value = 0.0;
        for (const Partial& partial : partials) {
            if (frequency * partial.ratio < kNyquist) {
                value += partial.amplitude * std::sin(kTwoPi * phase * partial.ratio);
            }
        }
        buffer.add(first + i, float(value * note.level * EnvelopeLevel(note.envelope, time, note.length)));
        phase += frequency / AudioBuffer::SampleRate;
        phase -= std::floor(phase);
    }
}

void AddNoiseSweep(AudioBuffer& buffer, const NoiseSweep& sweep)
{
    const int first = AudioBuffer::toSamples(sweep.start);
    const int count = AudioBuffer::toSamples(sweep.length);
    NoiseSource noise(sweep.seed);
    // A state-variable band-pass filter; its centre is kept low enough for the filter to stay stable.
    constexpr double kMaxCentre = AudioBuffer::SampleRate / 6.5;
    constexpr double kDamping = 0.7;
    double low = 0.0;
    double band = 0.0;
    for (int i = 0; i < count; ++i) {
        const double time = double(i) / AudioBuffer::SampleRate;
        const double progress = double(i) / count;
        const double centre =
            std::min(kMaxCentre, sweep.fromHz * std::pow(sweep.toHz / sweep.fromHz, progress));
        const double tuning = 2.0 * std::sin(std::numbers::pi * centre / AudioBuffer::SampleRate);
        low += tuning * band;
        const double high = noise.next() - low - kDamping * band;
        band += tuning * high;
        buffer.add(first + i, float(band * sweep.level * EnvelopeLevel(sweep.envelope, time, sweep.length)));
    }
}

} // namespace zub::mediagen
