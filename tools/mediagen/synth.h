#pragma once

#include "audiobuffer.h"

#include <cstdint>

namespace zub::mediagen {

// The tone colour of a note, as a fixed set of partials over its frequency.
enum class Timbre
{
    Sine,     // a pure tone
    Soft,     // warm: the tone with weak second and third harmonics (pads, bass)
    Triangle, // mellow and hollow: odd harmonics (plucks, blips)
    Brass,    // bright: many harmonics falling off slowly (fanfares)
    Bell,     // glassy: inharmonic partials (chimes)
};

// How a note's loudness moves over its length: rise, fall to a held level, and fade to silence.
struct Envelope
{
    double attack = 0.01;  // seconds from silence to full level
    double decay = 0.2;    // time constant, in seconds, of the fall from full level to `sustain`
    double sustain = 0.6;  // held level, as a fraction of full level
    double release = 0.05; // seconds of fade to silence at the end of the note
};

// One note: a tone of a given timbre, optionally gliding in pitch and wavering (vibrato).
struct Note
{
    double start = 0.0;        // seconds into the buffer
    double length = 0.5;       // seconds, release included; the note is silent at its end
    double frequency = 440.0;  // Hz at the start
    double endFrequency = 0.0; // Hz at the end of a glide; 0 keeps the pitch
    float level = 0.5f;        // full-level amplitude
    Timbre timbre = Timbre::Sine;
    Envelope envelope{};
    double vibratoDepth = 0.0; // pitch swing as a fraction of the frequency
    double vibratoRate = 5.0;  // Hz
};

// A burst of noise through a band-pass filter whose centre slides from `fromHz` to `toHz`: whooshes,
// thumps and the breath of wind.
struct NoiseSweep
{
    double start = 0.0;
    double length = 0.5;
    double fromHz = 400.0;
    double toHz = 2000.0;
    float level = 0.5f;
    Envelope envelope{};
    std::uint32_t seed = 1; // the same seed always gives the same noise
};

// The frequency of a note in the equal-tempered scale, by MIDI number (69 is A4 at 440 Hz).
double NoteFrequency(int midiNote);

// The envelope's level `time` seconds into a note of `length` seconds: 0 at the start and the end.
double EnvelopeLevel(const Envelope& envelope, double time, double length);

void AddNote(AudioBuffer& buffer, const Note& note);
void AddNoiseSweep(AudioBuffer& buffer, const NoiseSweep& sweep);

} // namespace zub::mediagen
