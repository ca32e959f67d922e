#include "platform/media/mediaplayer.h"

#include "platform/error.h"
#include "platform/idlework.h"
#include "platform/media/videofeed.h"
#include "platform/media/videosurface.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <utility>

namespace zub {

namespace {

Q_LOGGING_CATEGORY(lcMedia, "zub.media", QtWarningMsg)

QString shownName(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

// Keeps the JACK sink out of the media system's automatic choice of an audio output. On a machine with
// no sound server and no sound card that choice falls through to JACK, whose client library can block
// forever on a lock left behind by a process that was killed while holding it: the game would hang at its
// first sound instead of running silently. The game's cues play through PulseAudio, PipeWire or ALSA.
// Must run before the media system starts, so before the first player is made; an explicit ranking in
// the environment is kept and extended.
QMediaPlayer* newPlayer(QObject* parent)
{
    static const bool prepared = [] {
        QByteArray ranks = qgetenv("GST_PLUGIN_FEATURE_RANK");
        if (!ranks.contains("jackaudiosink")) {
            if (!ranks.isEmpty())
                ranks += ',';
            qputenv("GST_PLUGIN_FEATURE_RANK", ranks + "jackaudiosink:NONE");
        }
        return true;
    }();
    Q_UNUSED(prepared);
    return new QMediaPlayer(parent);
}

} // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer()
{
    // The playback goes first, so nothing delivers into the feed when it is given back.
    delete m_player;
    if (m_feed)
        m_feed->Release();
}

void MediaPlayer::Open(const QString& fileName)
{
    const QFileInfo file(fileName);
    if (!file.exists())
        throw Error(QStringLiteral("Cannot open media file \"%1\": the file does not exist.")
                        .arg(shownName(fileName)));
    if (!file.isFile() || !file.isReadable())
        throw Error(QStringLiteral("Cannot open media file \"%1\": the file cannot be read.")
                        .arg(shownName(fileName)));
    m_fileName = file.absoluteFilePath();
    m_failureReported = false;
    m_lastError.clear();
    if (m_player)
        m_player->setSource(QUrl::fromLocalFile(m_fileName));
    else
        WhenIdle(*this, [this] { Load(); });
}

void MediaPlayer::Load()
{
    if (m_player || !isOpen())
        return;
    m_player = newPlayer(this);
    m_player->setAudioOutput(new QAudioOutput(this));
    if (m_feed)
        m_player->setVideoSink(m_feed->Sink());
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayer::noteStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaPlayer::noteError);
    m_player->setSource(QUrl::fromLocalFile(m_fileName));
}

void MediaPlayer::setDisplay(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    // The feed belongs to this player, so it lives as long as the playback that feeds it, even when the
    // panel goes first.
    m_feed = VideoFeed::Create();
    layout->addWidget(new VideoSurface(*m_feed, panel));
    if (m_player)
        m_player->setVideoSink(m_feed->Sink());
}

void MediaPlayer::Play()
{
    if (!isOpen())
        throw Error(QStringLiteral("Cannot play: the media player has no file open."));
    if (m_player && m_requests.empty())
        startPlaying(); // starting is quick: the media system starts on its own threads
    else
        request(Request::Play);
}

void MediaPlayer::Stop()
{
    const bool stopped = m_requests.empty() && playbackState() == QMediaPlayer::StoppedState;
    if (!stopped)
        request(Request::Stop);
}

void MediaPlayer::request(Request request)
{
    m_requests.push_back(request);
    if (m_requests.size() == 1)
        QTimer::singleShot(0, this, &MediaPlayer::applyRequests);
}

void MediaPlayer::applyRequests()
{
    Load();
    const std::vector<Request> requests = std::exchange(m_requests, {});
    for (const Request request : requests) {
        if (request == Request::Play)
            startPlaying();
        else
            m_player->stop();
    }
}

void MediaPlayer::startPlaying()
{
    const bool atEnd = m_player->mediaStatus() == QMediaPlayer::EndOfMedia ||
                       (m_player->duration() > 0 && m_player->position() >= m_player->duration());
    if (atEnd)
        m_player->setPosition(0);
    m_player->play(); // a cue that is still playing runs on
}

QMediaPlayer::MediaStatus MediaPlayer::mediaStatus() const
{
    return m_player ? m_player->mediaStatus() : QMediaPlayer::NoMedia;
}

QMediaPlayer::PlaybackState MediaPlayer::playbackState() const
{
    if (!m_requests.empty())
        return m_requests.back() == Request::Play ? QMediaPlayer::PlayingState : QMediaPlayer::StoppedState;
    return m_player ? m_player->playbackState() : QMediaPlayer::StoppedState;
}

void MediaPlayer::noteStatus(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::EndOfMedia)
        ++m_timesPlayedToEnd;
    // The media system gives up on the file itself: that is bad input and is reported. Other errors (no
    // sound device, no resources) only mean that the game runs silently.
    if (status == QMediaPlayer::InvalidMedia && !m_failureReported) {
        m_failureReported = true;
        const QString reason =
            m_lastError.isEmpty() ? QStringLiteral("the file cannot be played") : m_lastError;
        Q_EMIT failed(QStringLiteral("Cannot play media file \"%1\": %2").arg(shownName(m_fileName), reason));
    }
}

void MediaPlayer::noteError(QMediaPlayer::Error, const QString& description)
{
    if (m_lastError.isEmpty())
        m_lastError = description; // the first error names the cause; later ones follow from it
    qCDebug(lcMedia) << "playing" << m_fileName << "failed:" << description;
}

} // namespace zub
