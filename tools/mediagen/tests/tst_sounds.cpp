#include "cuesounds.h"
#include "music.h"
#include "soundtracks.h"
#include "wavfile.h"

#include <QTest>
#include <cmath>
#include <stdexcept>

using namespace zub::mediagen;

namespace {

// The loudness (root mean square) of the samples from `from` to `to` seconds: what a sound does rather
// than how it is made.
double Loudness(const AudioBuffer& sound, double from, double to)
{
    const int first = AudioBuffer::toSamples(from);
    const int last = std::min(sound.size(), AudioBuffer::toSamples(to));
    double sum = 0.0;
    for (int i = first; i < last; ++i)
        sum += double(sound.at(i)) * sound.at(i);
    return last > first ? std::sqrt(sum / (last - first)) : 0.0;
}

} // namespace

using SoundMaker = AudioBuffer (*)();
Q_DECLARE_METATYPE(SoundMaker)

class SoundsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void soundsFitTheirCue_data()
    {
        QTest::addColumn<SoundMaker>("make");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        // A found letter may sound several times in one click, so it must be over quickly.
        QTest::newRow("found letter") << SoundMaker(FoundLetterSound) << 0.1 << 0.49;
        QTest::newRow("wrong letter") << SoundMaker(WrongLetterSound) << 0.2 << 0.99;
        QTest::newRow("won word") << SoundMaker(WonWordSound) << 1.0 << 2.0;
        QTest::newRow("new word") << SoundMaker(NewWordSound) << 0.3 << 0.99;
        // The game starts the music again every 16 seconds.
        QTest::newRow("background music") << SoundMaker(BackgroundMusic) << 15.9 << 16.0;
        // The intro window hands over to the board after 25 seconds.
        QTest::newRow("intro soundtrack") << SoundMaker(IntroSoundtrack) << 25.0 << 25.0;
        QTest::newRow("game-over soundtrack") << SoundMaker(GameOverSoundtrack) << 3.0 << 5.0;
    }

    // Each sound has the length its cue allows, is clearly audible without clipping, and starts and
    // ends in silence so that starting or cutting it off never clicks.
    void soundsFitTheirCue()
    {
        QFETCH(SoundMaker, make);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const AudioBuffer sound = make();
        QVERIFY2(sound.duration() >= shortest && sound.duration() <= longest,
                 qPrintable(QStringLiteral("%1 s").arg(sound.duration())));
        QVERIFY(sound.peak() >= 0.3f);
        QVERIFY(sound.peak() <= 0.9f);
        QVERIFY(std::abs(sound.at(0)) < 0.01f);
        QVERIFY(Loudness(sound, sound.duration() - 0.005, sound.duration()) < 0.01);
    }

    // Background music plays throughout, without gaps, until it eases out for the next start (its silent
    // ends are held with every other sound's).
    void backgroundMusicHasNoGaps()
    {
        const AudioBuffer music = BackgroundMusic();
        for (double from = 0.5; from < 15.0; from += 0.5) {
            QVERIFY2(Loudness(music, from, from + 0.5) > 0.03,
                     qPrintable(QStringLiteral("quiet at %1 s").arg(from)));
        }
    }

    // A wave file that cannot be written is named in the error; the bytes of written ones are held to the
    // committed sounds by the movie writer's test.
    void unwritableFileIsNamedInTheError()
    {
        const QString path = QStringLiteral("/nonexistent-folder/sound.wav");
        try {
            WriteWav(AudioBuffer(0.01), path);
            QFAIL("no error for an unwritable file");
        } catch (const std::runtime_error& error) {
            QVERIFY(QString::fromStdString(error.what()).contains(path));
        }
    }
};

QTEST_GUILESS_MAIN(SoundsTest)
#include "tst_sounds.moc"
