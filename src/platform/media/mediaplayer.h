#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace zub {

class SoundCue;
class VideoFeed;

// One sound or movie file bound to one player, started and stopped without ever waiting for it.
//
// The file is checked when the window that holds the player is built: it must exist and be readable, and
// a wave sound's header must describe uncompressed sound. The kind of player follows the file: a ".wav"
// file is a short sound held in memory and played by the sound system (see SoundCue for a Play on a sound
// still playing); anything else is a movie, whose playback is built on the movie thread when it is first
// played (see VideoFeed) and runs on if played again while it plays. Play and Stop return at once. A file
// that has played to its end starts again from the beginning at the next Play. Without a sound device the
// game runs silently.
class MediaPlayer : public QObject
{
    Q_OBJECT

public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    // Binds the player to fileName. Throws zub::Error naming the file when it is missing, unreadable or,
    // for a sound, no uncompressed wave sound. Open once.
    void Open(const QString& fileName);
    // Draws the movie into panel, filling it. Call once, before Open.
    void setDisplay(QWidget* panel);

    void Play();
    void Stop();
    // For a movie that must be heard the moment it is played: its uncompressed sound is taken out of the
    // file now and from then on played from memory as a sound of its own, while the movie plays muted. A
    // sound output starts within milliseconds, where the media system takes some two hundred to start a
    // movie's sound. A movie without such a sound keeps playing its own.
    void LoadSoundtrack();

    bool isOpen() const { return !m_fileName.isEmpty(); }
    const QString& fileName() const { return m_fileName; }
    // The sound, for a wave file; null for a movie.
    SoundCue* sound() const { return m_sound; }
    // A movie's sound, played apart, once LoadSoundtrack has found one; null otherwise.
    SoundCue* soundtrack() const { return m_soundtrack; }
    // Whether Play was asked last (and, for a movie, it has not played to its end since).
    bool isPlaying() const;
    int timesPlayedToEnd() const { return m_timesPlayedToEnd; }

Q_SIGNALS:
    // The media system cannot play the opened file (broken or of an unknown kind). Emitted at most once,
    // with a message that names the file and gives the media system's reason.
    void failed(const QString& message);

private:
    void reportFailure(const QString& reason);

    SoundCue* m_sound = nullptr;      // for a wave file
    SoundCue* m_soundtrack = nullptr; // for a movie whose sound is played apart
    VideoFeed* m_feed = nullptr;      // for a movie: its playback and pictures, on the movie thread
    QString m_fileName;
    int m_timesPlayedToEnd = 0;
    bool m_moviePlaying = false;
    bool m_failureReported = false;
};

} // namespace zub
