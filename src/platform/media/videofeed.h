#pragma once

#include <QImage>
#include <QMediaPlayer>
#include <QMutex>
#include <QObject>
#include <QVideoFrame>

class QVideoSink;

namespace zub {

// The playback of one movie and its pictures, on the movie thread.
//
// The media system's player is built when the movie is first played and taken down again when it is
// stopped or has played to its end, so that a movie costs no threads or memory while it is not shown.
// Building, starting and stopping a movie all wait on the media system (stopping waits for its streaming
// threads), so they run here and never on the game's thread: Play and Stop only post the request.
// Frames are taken from the media system here as well and converted, so that the game only paints
// finished pictures.
//
// While a playback starts, the media system's streaming threads add its sound and picture streams, each
// under locks that a seek of the whole playback takes in the other order, and deleting the player seeks:
// the two would wait for each other for good. So a take-down asked while the playback starts waits until
// it has reached its first state (loaded, or failed), by which time every stream has been added.
// Building the playback seeks to its start as well, before it returns; the movie's bytes are therefore
// handed to the media system by this thread, so that no stream can be added until that build is done.
class VideoFeed : public QObject
{
    Q_OBJECT

public:
    // Made for the movie thread; give it back with Release, never delete it directly. It goes once its
    // playback is taken down.
    static VideoFeed* Create();
    void Release();

    // Post the request to the movie thread and return at once. A movie whose sound the game plays apart
    // plays muted.
    void Play(const QString& fileName, bool soundPlayedApart = false);
    void Stop();

Q_SIGNALS:
    // Emitted on the movie thread for every picture of the movie.
    void pictureChanged(const QImage& picture);
    void playedToEnd();
    // The media system cannot play the file, with its reason; emitted at most once per build.
    void failed(const QString& reason);

private:
    VideoFeed() = default;
    void play(const QString& fileName, bool soundPlayedApart);
    void release();
    // Now, or once the playback has reached its first state.
    void takeDown();
    void setTakeDownDue(bool due);
    void queueDueTakeDown();
    bool starting() const;
    void noteStatus(QMediaPlayer::MediaStatus status);
    void take(const QVideoFrame& frame);
    void convertLatest();

    QMediaPlayer* m_player = nullptr; // while the movie plays
    QVideoSink* m_sink = nullptr;
    bool m_takeDownDue = false; // asked while the playback started; it holds the movie thread meanwhile
    bool m_released = false;
    QString m_lastError; // the media system's first complaint about the file
    // The newest frame not converted yet. The media system waits while its frame is taken, so taking only
    // keeps it; the conversion runs afterwards, once for however many frames came meanwhile.
    QMutex m_lock;
    QVideoFrame m_latest;
    bool m_conversionQueued = false;
};

} // namespace zub
