#include "platform/media/mediaplayer.h"

#include "platform/error.h"
#include "platform/media/videosurface.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoSink>
#include <QWidget>

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

MediaPlayer::MediaPlayer(QObject* parent)
    : QObject(parent), m_player(newPlayer(this)), m_audio(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_audio);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayer::noteStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaPlayer::noteError);
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
    m_player->setSource(QUrl::fromLocalFile(m_fileName));
}

void MediaPlayer::setDisplay(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    // The sink belongs to this player, so it lives as long as the playback that feeds it, even when the
    // panel goes first.
    auto* sink = new QVideoSink(this);
    layout->addWidget(new VideoSurface(sink, panel));
    m_player->setVideoSink(sink);
}

void MediaPlayer::Play()
{
    if (!isOpen())
        throw Error(QStringLiteral("Cannot play: the media player has no file open."));
    const bool atEnd = m_player->mediaStatus() == QMediaPlayer::EndOfMedia ||
                       (m_player->duration() > 0 && m_player->position() >= m_player->duration());
    if (atEnd)
        m_player->setPosition(0);
    m_player->play(); // a cue that is still playing runs on
}

void MediaPlayer::Stop()
{
    if (isOpen())
        m_player->stop();
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
