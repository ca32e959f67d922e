#include "platform/media/soundcue.h"

#include "platform/media/mediasystem.h"

#include <QSoundEffect>
#include <algorithm>

namespace zub {

SoundCue::SoundCue(const QString& fileName, QObject* parent)
    : QObject(parent), m_source(QUrl::fromLocalFile(fileName))
{
    m_stagger.setSingleShot(true);
    connect(&m_stagger, &QTimer::timeout, this, [this] {
        startVoice();
        if (--m_startsDue > 0)
            m_stagger.start(kStaggerMs);
    });
    if (SoundDeviceAvailable())
        newVoice(); // loads the sound now, so that the first Play finds it ready
}

SoundCue::~SoundCue() = default;

void SoundCue::Play()
{
    if (m_repeat == Repeat::Restart) {
        for (QSoundEffect* voice : m_voices)
            voice->stop();
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
    for (QSoundEffect* voice : m_voices)
        voice->stop();
}

bool SoundCue::isPlaying() const
{
    return m_startsDue > 0 ||
           std::any_of(m_voices.begin(), m_voices.end(), [](const QSoundEffect* voice) { return voice->isPlaying(); });
}

void SoundCue::startVoice()
{
    ++m_timesStarted;
    m_sinceStart.start();
    if (QSoundEffect* voice = idleVoice())
        voice->play();
}

QSoundEffect* SoundCue::idleVoice()
{
    if (m_voices.empty())
        return nullptr; // no sound device
    for (QSoundEffect* voice : m_voices) {
        if (!voice->isPlaying())
            return voice;
    }
    return m_repeat == Repeat::Restart ? m_voices.front() : newVoice();
}

QSoundEffect* SoundCue::newVoice()
{
    auto* voice = new QSoundEffect(this);
    connect(voice, &QSoundEffect::statusChanged, this, [this, voice] {
        if (voice->status() == QSoundEffect::Error && !m_failureReported) {
            m_failureReported = true;
            Q_EMIT failed(QStringLiteral("the sound system cannot decode it"));
        }
    });
    voice->setSource(m_source);
    m_voices.push_back(voice);
    return voice;
}

} // namespace zub
