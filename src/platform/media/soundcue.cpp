#include "platform/media/soundcue.h"

#include "platform/media/mediasystem.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace zub {

namespace {

// Played after every sound: an output is stopped once the sound server has taken all its samples, and
// stopping drops what is not yet heard, which is then only this silence.
constexpr int kSilenceAfterUs = 400000;

QAudioFormat audioFormat(const WaveFormat& wave)
{
    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    format.setSampleFormat(wave.bitsPerSample == 8    ? QAudioFormat::UInt8
                           : wave.bitsPerSample == 16 ? QAudioFormat::Int16
                                                      : QAudioFormat::Int32);
    return format;
}

} // namespace

SoundCue::SoundCue(const QByteArray& wave, const WaveFormat& format, QObject* parent)
    : QObject(parent), m_format(audioFormat(format))
{
    m_samples = wave.mid(format.dataOffset, format.dataBytes);
    const char silence = format.bitsPerSample == 8 ? char(128) : char(0);
    m_samples.append(m_format.bytesForDuration(kSilenceAfterUs), silence);

    m_stagger.setSingleShot(true);
    connect(&m_stagger, &QTimer::timeout, this, [this] {
        startVoice();
        if (--m_startsDue > 0)
            m_stagger.start(kStaggerMs);
    });
    m_haveDevice = SoundDeviceAvailable();
}

SoundCue::~SoundCue() = default;

void SoundCue::Play()
{
    if (m_repeat == Repeat::Restart) {
        startVoice();
        return;
    }
    const bool tooSoon = m_sinceStart.isValid() && m_sinceStart.elapsed() < kStaggerMs;
    if (m_startsDue == 0 && !tooSoon) {
        startVoice();
        return;
    }
    if (m_startsDue++ == 0)
        m_stagger.start(int(std::max<qint64>(0, kStaggerMs - m_sinceStart.elapsed())));
}

void SoundCue::Stop()
{
    m_startsDue = 0;
    m_stagger.stop();
    for (QAudioSink* voice : std::vector(m_voices))
        voice->stop();
}

bool SoundCue::isPlaying() const
{
    return m_startsDue > 0 || !m_voices.empty();
}

void SoundCue::startVoice()
{
    ++m_timesStarted;
    m_sinceStart.start();
    if (!m_haveDevice)
        return;
    if (m_repeat == Repeat::Restart)
        Stop();
    // The whole sound is handed to the sound server at once, so that it starts and plays to its end
    // whatever the game's thread does meanwhile: fed bit by bit from this thread, a sound started just
    // before the board repainted began as late as the repaint took.
    auto* voice = new QAudioSink(QMediaDevices::defaultAudioOutput(), m_format, this);
    voice->setBufferSize(int(m_samples.size()));
    QIODevice* input = voice->start();
    if (!input) {
        delete voice; // the sound device went away: the game goes on silently
        return;
    }
    input->write(m_samples);
    // Idle once the server has taken everything: what is left to play is the silence after the sound.
    connect(voice, &QAudioSink::stateChanged, this, [this, voice](QAudio::State state) {
        if (state == QAudio::IdleState)
            voice->stop();
        if (state == QAudio::StoppedState) {
            std::erase(m_voices, voice);
            voice->deleteLater();
        }
    });
    m_voices.push_back(voice);
}

} // namespace zub
