#include "platform/media/videofeed.h"

#include "platform/media/moviethread.h"

#include <QAudioOutput>
#include <QFile>
#include <QThread>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <malloc.h>
#include <memory>
#include <utility>

namespace zub {

VideoFeed* VideoFeed::Create()
{
    auto* feed = new VideoFeed;
    feed->moveToThread(&MovieThread());
    return feed;
}

void VideoFeed::Release()
{
    if (thread()->isRunning())
        QMetaObject::invokeMethod(this, &VideoFeed::release, Qt::QueuedConnection);
    else
        delete this; // the thread has ended: nothing can deliver to the feed any more
}

void VideoFeed::Play(const QString& fileName, bool soundPlayedApart)
{
    QMetaObject::invokeMethod(
        this, [this, fileName, soundPlayedApart] { play(fileName, soundPlayedApart); }, Qt::QueuedConnection);
}

void VideoFeed::Stop()
{
    QMetaObject::invokeMethod(this, &VideoFeed::takeDown, Qt::QueuedConnection);
}

void VideoFeed::play(const QString& fileName, bool soundPlayedApart)
{
    setTakeDownDue(false);
    if (m_player && m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
        takeDown(); // played to its end: built again, to start from the beginning
    if (m_player) {
        if (!starting())
            m_player->play(); // a movie that is still playing runs on; a loading one starts once loaded
        return;
    }
    if (!m_sink) {
        m_sink = new QVideoSink(this);
        connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoFeed::take, Qt::DirectConnection);
    }
    m_lastError.clear();
    auto movie = std::make_unique<QFile>(fileName);
    if (!movie->open(QIODevice::ReadOnly)) {
        Q_EMIT failed(movie->errorString()); // the file went after the game checked it
        return;
    }
    m_player = new QMediaPlayer(this);
    movie->setParent(m_player); // read until the player goes
    auto* output = new QAudioOutput(m_player);
    // Muted rather than left out, so that the movie keeps the pace it has with its sound.
    output->setMuted(soundPlayedApart);
    m_player->setAudioOutput(output);
    m_player->setVideoSink(m_sink);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &VideoFeed::noteStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& why) {
        if (m_lastError.isEmpty())
            m_lastError = why; // the first error names the cause; later ones follow from it
        queueDueTakeDown();
    });
    // Read through this thread: no stream is added before the build below and its seek have returned.
    // The movie starts once loaded (noteStatus), unless it was stopped meanwhile.
    m_player->setSourceDevice(movie.release(), QUrl::fromLocalFile(fileName));
}

void VideoFeed::release()
{
    m_released = true;
    takeDown();
}

void VideoFeed::takeDown()
{
    if (starting()) {
        setTakeDownDue(true);
        return;
    }
    // Deleting the player waits for its streaming threads, here on the movie thread. Its playback is
    // emptied first: deleting a playing player waits twice for it to pause, each time up to a second when
    // the pause needs bytes that only this thread could hand over; emptying it waits once.
    if (m_player) {
        m_player->setSource(QUrl());
        delete std::exchange(m_player, nullptr);
        // The decoding left megabytes of freed heap in the arenas of the streaming threads, which the C
        // library keeps for later unless told to give them back: the intro's movie would stay resident.
        malloc_trim(0);
    }
    setTakeDownDue(false);
    if (m_released)
        deleteLater();
}

void VideoFeed::setTakeDownDue(bool due)
{
    if (std::exchange(m_takeDownDue, due) == due)
        return;
    if (due)
        HoldMovieThread();
    else
        LetGoOfMovieThread();
}

// Not from within the player's own signals: at the next turn, unless the movie was played again meanwhile.
void VideoFeed::queueDueTakeDown()
{
    if (!m_takeDownDue || starting())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_takeDownDue)
                takeDown();
        },
        Qt::QueuedConnection);
}

// The playback has not reached its first state: it is neither loaded nor has it failed.
bool VideoFeed::starting() const
{
    if (!m_player || !m_lastError.isEmpty())
        return false;
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    return status == QMediaPlayer::NoMedia || status == QMediaPlayer::LoadingMedia;
}

void VideoFeed::noteStatus(QMediaPlayer::MediaStatus status)
{
    queueDueTakeDown();
    // Not started if a take-down is due: that takes a paused playback down at once, while a playing one is
    // first paused, which just after its start waits for bytes that this thread cannot hand over meanwhile.
    if (status == QMediaPlayer::LoadedMedia && !m_takeDownDue)
        m_player->play();
    if (status == QMediaPlayer::EndOfMedia) {
        Q_EMIT playedToEnd();
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_player && m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
                    takeDown();
            },
            Qt::QueuedConnection);
    }
    // The media system gives up on the file itself: that is bad input and is reported. Other errors (no
    // sound device, no resources) only mean that the movie is not seen or heard.
    if (status == QMediaPlayer::InvalidMedia)
        Q_EMIT failed(m_lastError.isEmpty() ? QStringLiteral("the file cannot be played") : m_lastError);
}

void VideoFeed::take(const QVideoFrame& frame)
{
    const QMutexLocker locker(&m_lock);
    m_latest = frame;
    if (!m_conversionQueued) {
        m_conversionQueued = true;
        QMetaObject::invokeMethod(this, &VideoFeed::convertLatest, Qt::QueuedConnection);
    }
}

void VideoFeed::convertLatest()
{
    QVideoFrame frame;
    {
        const QMutexLocker locker(&m_lock);
        frame = std::exchange(m_latest, QVideoFrame());
        m_conversionQueued = false;
    }
    const QImage picture = frame.isValid() ? frame.toImage() : QImage();
    if (!picture.isNull())
        Q_EMIT pictureChanged(picture);
}

} // namespace zub
