#include "signal.h"
#include "synth.h"

#include <QTest>

using namespace zub::mediagen;
using namespace zub::mediagen::test;

Q_DECLARE_METATYPE(zub::mediagen::Envelope)
Q_DECLARE_METATYPE(zub::mediagen::Timbre)

class SynthTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noteNumbersFollowTheEqualTemperedScale_data()
    {
        QTest::addColumn<int>("note");
        QTest::addColumn<double>("hertz");
        QTest::newRow("A4") << 69 << 440.0;
        QTest::newRow("A5, an octave up") << 81 << 880.0;
        QTest::newRow("A3, an octave down") << 57 << 220.0;
        QTest::newRow("middle C") << 60 << 261.626;
        QTest::newRow("E6") << 88 << 1318.51;
    }

    // Every chord and melody is written in note numbers, so a wrong table puts all music out of tune.
    void noteNumbersFollowTheEqualTemperedScale()
    {
        QFETCH(int, note);
        QFETCH(double, hertz);
        QVERIFY(std::abs(NoteFrequency(note) - hertz) < 0.01);
    }

    void envelopesStartAndEndInSilence_data()
    {
        QTest::addColumn<Envelope>("envelope");
        QTest::addColumn<double>("length");
        QTest::newRow("pluck") << Envelope{0.004, 0.1, 0.0, 0.05} << 0.3;
        QTest::newRow("pad") << Envelope{1.0, 0.0, 1.0, 1.0} << 4.0;
        QTest::newRow("attack longer than the note") << Envelope{2.0, 0.0, 1.0, 0.1} << 0.5;
        QTest::newRow("no release") << Envelope{0.01, 0.2, 0.5, 0.0} << 0.5;
    }

    // A note that starts or stops at full level clicks; every note must rise from and fall to silence.
    void envelopesStartAndEndInSilence()
    {
        QFETCH(Envelope, envelope);
        QFETCH(double, length);
        QCOMPARE(EnvelopeLevel(envelope, 0.0, length), 0.0);
        QCOMPARE(EnvelopeLevel(envelope, length, length), 0.0);
        double loudest = 0.0;
        for (double time = 0.0; time < length; time += 0.001) {
            loudest = std::max(loudest, EnvelopeLevel(envelope, time, length));
        }
        QVERIFY(loudest > 0.0);
        QVERIFY(loudest <= 1.0);
        if (envelope.release > 0.0) {
            QVERIFY(EnvelopeLevel(envelope, length - 0.001, length) < 0.1);
        }
    }

    void notesSoundAtTheirPitch_data()
    {
        QTest::addColumn<Timbre>("timbre");
        QTest::addColumn<double>("frequency");
        QTest::newRow("sine 220") << Timbre::Sine << 220.0;
        QTest::newRow("sine 1000") << Timbre::Sine << 1000.0;
        QTest::newRow("soft 330") << Timbre::Soft << 330.0;
        QTest::newRow("triangle 440") << Timbre::Triangle << 440.0;
    }

    void notesSoundAtTheirPitch()
    {
        QFETCH(Timbre, timbre);
        QFETCH(double, frequency);
        AudioBuffer sound(1.0);
        AddNote(sound, {.start = 0.0,
                        .length = 1.0,
                        .frequency = frequency,
                        .timbre = timbre,
                        .envelope = {0.01, 0.0, 1.0, 0.01}});
        QVERIFY(std::abs(RisingZeroCrossings(sound, 0.0, 1.0) - frequency) <= 2);
    }

    void glidesArriveAtTheirEndPitch()
    {
        AudioBuffer sound(2.0);
        AddNote(sound, {.start = 0.0,
                        .length = 2.0,
                        .frequency = 200.0,
                        .endFrequency = 400.0,
                        .envelope = {0.01, 0.0, 1.0, 0.01}});
        QVERIFY(std::abs(RisingZeroCrossings(sound, 0.0, 0.2) - 0.2 * 204) <= 3);
        QVERIFY(std::abs(RisingZeroCrossings(sound, 1.8, 1.98) - 0.18 * 395) <= 3);
    }

    void notesStayWithinTheirSpan()
    {
        AudioBuffer sound(1.0);
        AddNote(sound,
                {.start = 0.5, .length = 0.25, .frequency = 300.0, .envelope = {0.01, 0.0, 1.0, 0.01}});
        QCOMPARE(Loudness(sound, 0.0, 0.5), 0.0);
        QVERIFY(Loudness(sound, 0.52, 0.73) > 0.2);
        QCOMPARE(Loudness(sound, 0.751, 1.0), 0.0);
    }

    void notesPastTheEndAreCutOff()
    {
        AudioBuffer sound(0.5);
        AddNote(sound, {.start = 0.4, .length = 1.0, .frequency = 300.0});
        QCOMPARE(sound.size(), AudioBuffer::toSamples(0.5));
        QVERIFY(Loudness(sound, 0.41, 0.5) > 0.0);
    }

    // Overtones above half the sample rate would fold back as harsh, out-of-tune tones.
    void overtonesTooHighToStoreAreLeftOut()
    {
        AudioBuffer sound(0.5);
        constexpr double kFundamental = 3000.0;
        AddNote(sound, {.start = 0.0,
                        .length = 0.5,
                        .frequency = kFundamental,
                        .timbre = Timbre::Brass,
                        .envelope = {0.01, 0.0, 1.0, 0.01}});
        const double folded = AudioBuffer::SampleRate - 4 * kFundamental; // where the 4th overtone would land
        QVERIFY(Strength(sound, kFundamental) > 0.1);
        QVERIFY(Strength(sound, folded) < 0.001);
    }

    void noiseIsTheSameForTheSameSeed()
    {
        const auto burst = [](std::uint32_t seed) {
            AudioBuffer sound(1.0);
            AddNoiseSweep(sound,
                          {.start = 0.2, .length = 0.5, .envelope = {0.05, 0.0, 1.0, 0.05}, .seed = seed});
            return sound.samples();
        };
        QCOMPARE(burst(4), burst(4));
        QVERIFY(burst(4) != burst(5));
    }

    void noiseSweepsStayWithinTheirSpanAndRange()
    {
        AudioBuffer sound(1.0);
        AddNoiseSweep(sound, {.start = 0.2,
                              .length = 0.5,
                              .fromHz = 5000.0,
                              .toHz = 9000.0,
                              .level = 1.0f,
                              .envelope = {0.05, 0.0, 1.0, 0.05}});
        QCOMPARE(Loudness(sound, 0.0, 0.2), 0.0);
        QCOMPARE(Loudness(sound, 0.701, 1.0), 0.0);
        QVERIFY(Loudness(sound, 0.3, 0.6) > 0.01);
        // A filter driven past its stable range grows without bound; this one must stay bounded.
        QVERIFY(sound.peak() < 10.0f);
    }

    void mixingAddsAtTheOffset()
    {
        AudioBuffer tone(0.5);
        AddNote(tone, {.start = 0.0, .length = 0.5, .frequency = 300.0, .envelope = {0.01, 0.0, 1.0, 0.01}});
        AudioBuffer sound(1.0);
        sound.mix(tone, 0.75, 0.5f);
        QCOMPARE(sound.size(), AudioBuffer::toSamples(1.0));
        QCOMPARE(Loudness(sound, 0.0, 0.75), 0.0);
        const int offset = AudioBuffer::toSamples(0.75);
        QCOMPARE(sound.at(offset + 100), 0.5f * tone.at(100));
    }

    void scalingToPeakSetsTheLoudestSample()
    {
        AudioBuffer sound(0.5);
        AddNote(sound, {.start = 0.0, .length = 0.5, .frequency = 300.0, .level = 0.2f});
        sound.scaleToPeak(0.8f);
        QVERIFY(std::abs(sound.peak() - 0.8f) < 1e-6f);
        AudioBuffer silence(0.5);
        silence.scaleToPeak(0.8f);
        QCOMPARE(silence.peak(), 0.0f);
    }
};

QTEST_GUILESS_MAIN(SynthTest)
#include "synth_test.moc"
