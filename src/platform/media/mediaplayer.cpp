#include "platform/media/mediaplayer.h"

#include "platform/error.h"
#include "platform/media/mediafilecheck.h"
#include "platform/media/mediasystem.h"
#include "platform/media/moviesound.h"
#include "platform/media/soundcue.h"
#include "platform/media/videofeed.h"
#include "platform/media/videosurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

namespace zub {

namespace {

// A movie whose sound is played apart is read whole once; the game-over movie is well under 1 MB.
constexpr qint64 kLongestMovieBytes = 64 * 1024 * 1024;

QString shownName(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer()
{
    if (m_feed)
        m_feed->Release();
}

void MediaPlayer::Open(const QString& fileName)
{
    const std::optional<CheckedWave> wave = ReadCheckedMediaFile(fileName);
    // Before the media system starts. The sound devices are asked for by the first sound: a movie starts
    // without waiting for that.
    PrepareMediaSystem();
    if (wave)
        m_sound = new SoundCue(wave->bytes, wave->format, this);
    else if (!m_feed)
        setDisplay(nullptr);
    m_fileName = QFileInfo(fileName).absoluteFilePath();
}

void MediaPlayer::setDisplay(QWidget* panel)
{
    m_feed = VideoFeed::Create();
    connect(m_feed, &VideoFeed::failed, this, &MediaPlayer::reportFailure);
    connect(m_feed, &VideoFeed::playedToEnd, this, [this] {
        ++m_timesPlayedToEnd;
        m_moviePlaying = false;
    });
    if (!panel)
        return;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new VideoSurface(*m_feed, panel));
}

void MediaPlayer::Play()
{
    if (!isOpen())
        throw Error(QStringLiteral("Cannot play: the media player has no file open."));
    if (m_sound) {
        m_sound->Play();
        return;
    }
    // A movie played again while it plays runs on, and so does its sound.
    if (m_soundtrack && !m_moviePlaying)
        m_soundtrack->Play();
    m_moviePlaying = true;
    m_feed->Play(m_fileName, m_soundtrack != nullptr);
}

void MediaPlayer::Stop()
{
    if (m_sound)
        m_sound->Stop();
    if (m_soundtrack)
        m_soundtrack->Stop();
    if (m_feed && m_moviePlaying)
        m_feed->Stop();
    m_moviePlaying = false;
}

void MediaPlayer::LoadSoundtrack()
{
    QFile file(m_fileName);
    if (m_sound || m_soundtrack || !isOpen() || file.size() > kLongestMovieBytes ||
        !file.open(QIODevice::ReadOnly))
        return;
    if (std::optional<MovieSound> sound = ReadMovieSound(file.readAll()))
        m_soundtrack = new SoundCue(sound->samples, sound->format, this);
}

bool MediaPlayer::isPlaying() const
{
    return m_sound ? m_sound->isPlaying() : m_moviePlaying;
}

void MediaPlayer::reportFailure(const QString& reason)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_moviePlaying = false;
    Q_EMIT failed(QStringLiteral("Cannot play media file \"%1\": %2").arg(shownName(m_fileName), reason));
}

} // namespace zub
