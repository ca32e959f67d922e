#include "music.h"

#include "synth.h"

#include <array>

namespace zub::mediagen {

namespace {

// One bar of the progression, as MIDI note numbers.
struct Bar
{
    int bass;
    std::array<int, 3> chord;
    std::array<int, 4> arpeggio; // played twice per bar
};

// A minor, F major, C major, G major: the G leads back to the A minor of the next time round.
constexpr std::array<Bar, 4> kBars = {{
    {45, {57, 60, 64}, {69, 72, 76, 72}},
    {41, {57, 60, 65}, {65, 69, 72, 69}},
    {48, {55, 60, 64}, {67, 72, 76, 72}},
    {43, {55, 59, 62}, {67, 71, 74, 71}},
}};

struct BellNote
{
    double start;
    int note;
};

constexpr std::array<BellNote, 8> kBells = {
    {{1.0, 88}, {2.5, 86}, {5.0, 84}, {6.5, 81}, {9.0, 79}, {10.5, 84}, {13.0, 83}, {14.0, 86}}};

constexpr double kBarLength = kBackgroundMusicLength / kBars.size();
constexpr double kStep = kBarLength / 8; // one arpeggio note
constexpr double kOverlap = 0.3;         // chords cross-fade by this much

} // namespace

AudioBuffer BackgroundMusic()
{
    AudioBuffer music(kBackgroundMusicLength);
    const Envelope pad{.attack = 1.0, .decay = 0.0, .sustain = 1.0, .release = 1.1};
    const Envelope bass{.attack = 0.05, .decay = 1.5, .sustain = 0.35, .release = 0.6};
    const Envelope pluck{.attack = 0.006, .decay = 0.25, .sustain = 0.0, .release = 0.1};
    for (std::size_t bar = 0; bar < kBars.size(); ++bar) {
        const double barStart = kBarLength * double(bar);
        // The first chord fades in from silence and the last one fades out by the end of the file.
        const double padStart = bar == 0 ? 0.0 : barStart - kOverlap;
        const double padEnd =
            bar + 1 == kBars.size() ? kBackgroundMusicLength : barStart + kBarLength + kOverlap;
        for (const int note : kBars[bar].chord) {
            AddNote(music, {.start = padStart,
                            .length = padEnd - padStart,
                            .frequency = NoteFrequency(note),
                            .level = 0.12f,
                            .timbre = Timbre::Soft,
                            .envelope = pad,
                            .vibratoDepth = 0.002,
                            .vibratoRate = 4.0});
        }
        AddNote(music, {.start = barStart,
                        .length = kBarLength - 0.1,
                        .frequency = NoteFrequency(kBars[bar].bass),
                        .level = 0.25f,
                        .timbre = Timbre::Soft,
                        .envelope = bass});
        for (int step = 0; step < 8; ++step) {
            const int note = kBars[bar].arpeggio[std::size_t(step % 4)];
            AddNote(music, {.start = barStart + kStep * step,
                            .length = kStep - 0.02,
                            .frequency = NoteFrequency(note),
                            .level = step == 0 ? 0.14f : 0.1f,
                            .timbre = Timbre::Triangle,
                            .envelope = pluck});
        }
    }
    const Envelope ring{.attack = 0.005, .decay = 0.5, .sustain = 0.0, .release = 0.3};
    for (const BellNote& bell : kBells) {
        AddNote(music, {.start = bell.start,
                        .length = 0.9,
                        .frequency = NoteFrequency(bell.note),
                        .level = 0.05f,
                        .timbre = Timbre::Bell,
                        .envelope = ring});
    }
    music.scaleToPeak(0.5f);
    return music;
}

} // namespace zub::mediagen
