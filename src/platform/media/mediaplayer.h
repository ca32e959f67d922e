#pragma once

#include <QMediaPlayer>
#include <QObject>
#include <QString>

class QAudioOutput;
class QWidget;

namespace zub {

// One sound or movie file bound to one player, started and stopped without ever waiting for it.
//
// The file is opened once, when the window that holds the player is built. Play returns at once; a file
// that has played to its end starts again from the beginning at the next Play. Playback needs no sound
// device: without one the game simply runs silently.
class MediaPlayer : public QObject
{
    Q_OBJECT

public:
    explicit MediaPlayer(QObject* parent = nullptr);

    // Binds the player to fileName. Throws zub::Error naming the file when it is missing or unreadable.
    void Open(const QString& fileName);
    // Draws the movie into panel, filling it. Call once, before or after Open.
    void setDisplay(QWidget* panel);

    void Play();
    void Stop();

    bool isOpen() const { return !m_fileName.isEmpty(); }
    const QString& fileName() const { return m_fileName; }
    QMediaPlayer::MediaStatus mediaStatus() const { return m_player->mediaStatus(); }
    QMediaPlayer::PlaybackState playbackState() const { return m_player->playbackState(); }
    int timesPlayedToEnd() const { return m_timesPlayedToEnd; }

Q_SIGNALS:
    // The media system cannot play the opened file (broken or of an unknown kind). Emitted at most once
    // per opened file, with a message that names the file and gives the media system's reason.
    void failed(const QString& message);

private:
    void noteStatus(QMediaPlayer::MediaStatus status);
    void noteError(QMediaPlayer::Error error, const QString& description);

    QMediaPlayer* m_player;
    QAudioOutput* m_audio;
    QString m_fileName;
    QString m_lastError; // the media system's first complaint about the file
    int m_timesPlayedToEnd = 0;
    bool m_failureReported = false;
};

} // namespace zub
