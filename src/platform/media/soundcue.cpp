#include "platform/media/soundcue.h"

#include "platform/media/mediasystem.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>

namespace zub {

namespace {

// The samples are all at hand, so the output fills its buffer at once and starts at once; a long buffer
// keeps the music going while the game's thread is busy (the output is fed from it).
constexpr int kOutputBufferUs = 250000;
// More than the output's buffer, so that stopping an output that has taken all it has drops only silence.
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
    auto* voice = new QAudioSink(QMediaDevices::defaultAudioOutput(), m_format, this);
    voice->setBufferSize(m_format.bytesForDuration(kOutputBufferUs));
    auto* samples = new QBuffer(voice);
    samples->setData(m_samples); // shared, not copied
    samples->open(QIODevice::ReadOnly);
    // The output also falls idle when the game's thread was too busy to feed it for a moment; it goes on
    // once fed. Only when it has taken everything is it stopped: what it has left to play is silence.
    connect(voice, &QAudioSink::stateChanged, this, [this, voice, samples](QAudio::State state) {
        if (state == QAudio::IdleState && samples->atEnd())
            voice->stop();
        if (state == QAudio::StoppedState) {
            std::erase(m_voices, voice);
            voice->deleteLater();
        }
    });
    m_voices.push_back(voice);
    voice->start(samples);
}

} // namespace zub
