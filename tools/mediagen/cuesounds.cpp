#include "cuesounds.h"

#include "synth.h"

namespace zub::mediagen {

namespace {

// A quick, percussive note: fast rise, falls away without holding.
Envelope pluck(double decay, double release)
{
    return Envelope{.attack = 0.004, .decay = decay, .sustain = 0.0, .release = release};
}

} // namespace

AudioBuffer FoundLetterSound()
{
    AudioBuffer sound(0.32);
    AddNote(sound, {.start = 0.0,
                    .length = 0.12,
                    .frequency = NoteFrequency(88),
                    .level = 0.5f,
                    .timbre = Timbre::Triangle,
                    .envelope = pluck(0.06, 0.03)});
    AddNote(sound, {.start = 0.07,
                    .length = 0.24,
                    .frequency = NoteFrequency(95),
                    .level = 0.45f,
                    .timbre = Timbre::Triangle,
                    .envelope = pluck(0.08, 0.06)});
    AddNote(sound, {.start = 0.07,
                    .length = 0.24,
                    .frequency = NoteFrequency(107),
                    .level = 0.08f,
                    .timbre = Timbre::Bell,
                    .envelope = pluck(0.05, 0.06)});
    sound.scaleToPeak(0.7f);
    return sound;
}

AudioBuffer WrongLetterSound()
{
    AudioBuffer sound(0.6);
    const Envelope buzz{.attack = 0.006, .decay = 0.16, .sustain = 0.25, .release = 0.15};
    // Two voices a little apart in pitch beat against each other into a buzz.
    AddNote(sound, {.start = 0.0,
                    .length = 0.52,
                    .frequency = 150.0,
                    .endFrequency = 68.0,
                    .level = 0.5f,
                    .timbre = Timbre::Brass,
                    .envelope = buzz});
    AddNote(sound, {.start = 0.0,
                    .length = 0.52,
                    .frequency = 155.0,
                    .endFrequency = 70.0,
                    .level = 0.4f,
                    .timbre = Timbre::Brass,
                    .envelope = buzz});
    AddNoiseSweep(sound, {.start = 0.0,
                          .length = 0.16,
                          .fromHz = 320.0,
                          .toHz = 90.0,
                          .level = 2.0f,
                          .envelope = pluck(0.04, 0.05),
                          .seed = 7});
    sound.scaleToPeak(0.75f);
    return sound;
}

AudioBuffer WonWordSound()
{
    AudioBuffer sound(1.7);
    const Envelope blast{.attack = 0.015, .decay = 0.08, .sustain = 0.75, .release = 0.05};
    // Three quick rising notes, then the top note held over a full chord.
    const int run[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) {
        AddNote(sound, {.start = 0.12 * i,
                        .length = 0.14,
                        .frequency = NoteFrequency(run[i]),
                        .level = 0.35f,
                        .timbre = Timbre::Brass,
                        .envelope = blast});
    }
    const Envelope hold{.attack = 0.02, .decay = 0.3, .sustain = 0.7, .release = 0.45};
    AddNote(sound, {.start = 0.38,
                    .length = 1.28,
                    .frequency = NoteFrequency(84),
                    .level = 0.35f,
                    .timbre = Timbre::Brass,
                    .envelope = hold,
                    .vibratoDepth = 0.004,
                    .vibratoRate = 5.5});
    for (const int chordNote : {60, 67, 76}) {
        AddNote(sound, {.start = 0.38,
                        .length = 1.28,
                        .frequency = NoteFrequency(chordNote),
                        .level = 0.2f,
                        .timbre = Timbre::Brass,
                        .envelope = hold});
    }
    AddNote(sound, {.start = 0.38,
                    .length = 1.1,
                    .frequency = NoteFrequency(96),
                    .level = 0.1f,
                    .timbre = Timbre::Bell,
                    .envelope = pluck(0.3, 0.3)});
    sound.scaleToPeak(0.8f);
    return sound;
}

AudioBuffer NewWordSound()
{
    AudioBuffer sound(0.85);
    AddNoiseSweep(sound, {.start = 0.0,
                          .length = 0.5,
                          .fromHz = 300.0,
                          .toHz = 3200.0,
                          .level = 1.0f,
                          .envelope = {.attack = 0.3, .decay = 0.0, .sustain = 1.0, .release = 0.2},
                          .seed = 3});
    AddNote(sound, {.start = 0.36,
                    .length = 0.46,
                    .frequency = NoteFrequency(91),
                    .level = 0.3f,
                    .timbre = Timbre::Bell,
                    .envelope = pluck(0.15, 0.15)});
    AddNote(sound, {.start = 0.42,
                    .length = 0.42,
                    .frequency = NoteFrequency(98),
                    .level = 0.2f,
                    .timbre = Timbre::Bell,
                    .envelope = pluck(0.12, 0.15)});
    sound.scaleToPeak(0.7f);
    return sound;
}

AudioBuffer WoodKnockSound()
{
    AudioBuffer sound(0.35);
    AddNote(sound, {.start = 0.0,
                    .length = 0.3,
                    .frequency = 120.0,
                    .endFrequency = 55.0,
                    .level = 0.8f,
                    .timbre = Timbre::Soft,
                    .envelope = pluck(0.07, 0.1)});
    AddNoiseSweep(sound, {.start = 0.0,
                          .length = 0.12,
                          .fromHz = 900.0,
                          .toHz = 250.0,
                          .level = 2.5f,
                          .envelope = pluck(0.025, 0.04),
                          .seed = 11});
    sound.scaleToPeak(0.8f);
    return sound;
}

} // namespace zub::mediagen
