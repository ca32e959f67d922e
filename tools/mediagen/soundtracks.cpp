#include "soundtracks.h"

#include "cuesounds.h"
#include "gameovermovie.h"
#include "introtimeline.h"
#include "synth.h"

#include <array>

namespace zub::mediagen {

namespace {

// Long, slowly swelling chord tones.
void addPad(AudioBuffer& buffer, double start, double length, std::initializer_list<int> notes, float level)
{
    const Envelope swell{.attack = std::min(2.0, length / 3),
                         .decay = 0.0,
                         .sustain = 1.0,
                         .release = std::min(1.5, length / 3)};
    for (const int note : notes) {
        AddNote(buffer, {.start = start,
                         .length = length,
                         .frequency = NoteFrequency(note),
                         .level = level,
                         .timbre = Timbre::Soft,
                         .envelope = swell,
                         .vibratoDepth = 0.002,
                         .vibratoRate = 3.5});
    }
}

void addIntroMusic(AudioBuffer& track)
{
    using namespace intro;
    // D minor while the gallows goes up and the word is guessed, D major once it is found.
    addPad(track, 0.0, 9.5, {38, 50, 57, 65}, 0.03f);
    addPad(track, 9.0, kWordComplete - 9.0 + 0.6, {46, 53, 58, 62}, 0.028f); // B flat under the guessing
    addPad(track, kWordComplete, kFadeOut.end - kWordComplete, {38, 50, 57, 66, 69}, 0.03f);
    addPad(track, kCardFadeIn.start, kLength - kCardFadeIn.start, {38, 45, 54, 57, 64}, 0.035f);
    // A quiet heartbeat while the letters are guessed.
    for (double beat = kGuesses.front().time - 0.5; beat < kWordComplete; beat += 1.0) {
        AddNote(track, {.start = beat,
                        .length = 0.25,
                        .frequency = 62.0,
                        .endFrequency = 48.0,
                        .level = 0.35f,
                        .timbre = Timbre::Sine,
                        .envelope = {.attack = 0.01, .decay = 0.06, .sustain = 0.0, .release = 0.08}});
    }
}

void addIntroEvents(AudioBuffer& track)
{
    using namespace intro;
    // A rising bell for every letter of the title, on a D minor pentatonic scale.
    constexpr std::array<int, 11> kTitleNotes = {74, 77, 79, 0, 81, 84, 86, 89, 91, 93, 96};
    const Envelope ring{.attack = 0.004, .decay = 0.4, .sustain = 0.0, .release = 0.3};
    for (int i = 0; i < kTitle.size(); ++i) {
        if (kTitleNotes[std::size_t(i)] != 0) {
            AddNote(track, {.start = TitleLetterTime(i),
                            .length = 1.2,
                            .frequency = NoteFrequency(kTitleNotes[std::size_t(i)]),
                            .level = 0.07f,
                            .timbre = Timbre::Bell,
                            .envelope = ring});
        }
    }
    const AudioBuffer knock = WoodKnockSound();
    for (const Span& stroke : kGallowsStrokes) {
        // A faint scratch while the stroke is drawn, the knock when it is done.
        AddNoiseSweep(track, {.start = stroke.start,
                              .length = stroke.end - stroke.start,
                              .fromHz = 1800.0,
                              .toHz = 2600.0,
                              .level = 0.06f,
                              .envelope = {.attack = 0.15, .decay = 0.0, .sustain = 1.0, .release = 0.15},
                              .seed = 5});
        track.mix(knock, stroke.end - 0.02, 1.4f);
    }
    for (int i = 0; i < kWord.size(); ++i) {
        AddNote(track, {.start = kDashesStart + kDashStep * i,
                        .length = 0.06,
                        .frequency = 1800.0,
                        .level = 0.05f,
                        .timbre = Timbre::Triangle,
                        .envelope = {.attack = 0.002, .decay = 0.015, .sustain = 0.0, .release = 0.02}});
    }
    const AudioBuffer found = FoundLetterSound();
    const AudioBuffer wrong = WrongLetterSound();
    for (int i = 0; i < kWord.size(); ++i) {
        track.mix(found, RevealTime(i), 0.45f);
    }
    for (const Guess& guess : kGuesses) {
        if (!InWord(guess.letter)) {
            track.mix(wrong, guess.time, 0.4f);
        }
    }
    track.mix(WonWordSound(), kWordComplete + 0.15, 0.6f);
    for (const int note : {86, 93}) {
        AddNote(track, {.start = kCardFadeIn.start + 0.3,
                        .length = 2.4,
                        .frequency = NoteFrequency(note),
                        .level = 0.06f,
                        .timbre = Timbre::Bell,
                        .envelope = {.attack = 0.005, .decay = 0.9, .sustain = 0.0, .release = 0.8}});
    }
}

} // namespace

AudioBuffer IntroSoundtrack()
{
    AudioBuffer track(intro::kLength);
    addIntroMusic(track);
    addIntroEvents(track);
    track.scaleToPeak(0.8f);
    return track;
}

AudioBuffer GameOverSoundtrack()
{
    using namespace gameover;
    AudioBuffer track(kLength);
    track.mix(WoodKnockSound(), kTrapdoorOpens, 0.9f);
    const Envelope fallAway{.attack = 0.25, .decay = 1.2, .sustain = 0.4, .release = 1.2};
    // A D minor chord that sinks a semitone as it fades.
    for (const int note : {38, 45, 50, 53}) {
        AddNote(track, {.start = kRedStart,
                        .length = kLength - kRedStart - 0.05,
                        .frequency = NoteFrequency(note),
                        .endFrequency = NoteFrequency(note - 1),
                        .level = 0.18f,
                        .timbre = Timbre::Brass,
                        .envelope = fallAway,
                        .vibratoDepth = 0.004,
                        .vibratoRate = 4.5});
    }
    track.scaleToPeak(0.7f);
    return track;
}

} // namespace zub::mediagen
