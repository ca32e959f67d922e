#pragma once

#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace zub {

class VideoFeed;

// One sound or movie file bound to one player, started and stopped without ever waiting for it.
//
// The file is opened once, when the window that holds the player is built; the media system takes it up
// a moment later, while the game waits for input. Play and Stop return at once: what would make the game
// wait (setting up the media system's player, stopping a movie that is still starting) happens at the
// next turn of the event loop, in the order asked. A file that has played to its end starts again from
// the beginning at the next Play. Playback needs no sound device: without one the game runs silently.
class MediaPlayer : public QObject
{
    Q_OBJECT

public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    // Binds the player to fileName. Throws zub::Error naming the file when it is missing or unreadable.
    void Open(const QString& fileName);
    // Draws the movie into panel, filling it. Call once, before or after Open.
    void setDisplay(QWidget* panel);

    void Play();
    void Stop();

    bool isOpen() const { return !m_fileName.isEmpty(); }
    const QString& fileName() const { return m_fileName; }
    QMediaPlayer::MediaStatus mediaStatus() const;
    // The state asked for last, even while the media system has not got there yet.
    QMediaPlayer::PlaybackState playbackState() const;
    int timesPlayedToEnd() const { return m_timesPlayedToEnd; }

    // Hands the opened file to the media system now, if that has not happened yet.
    void Load();

Q_SIGNALS:
    // The media system cannot play the opened file (broken or of an unknown kind). Emitted at most once
    // per opened file, with a message that names the file and gives the media system's reason.
    void failed(const QString& message);

private:
    enum class Request
    {
        Play,
        Stop,
    };

    void request(Request request);
    void applyRequests();
    void startPlaying();
    void noteStatus(QMediaPlayer::MediaStatus status);
    void noteError(QMediaPlayer::Error error, const QString& description);

    QMediaPlayer* m_player = nullptr; // made at Load: the media system's player costs 10-100 ms to set up
    VideoFeed* m_feed = nullptr;      // the movie's pictures, on the movie thread; none for a sound
    std::vector<Request> m_requests;  // asked for, not yet handed to the media system
    QString m_fileName;
    QString m_lastError; // the media system's first complaint about the file
    int m_timesPlayedToEnd = 0;
    bool m_failureReported = false;
};

} // namespace zub
