#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

namespace zub {

class MediaSystem;
class Playback;

// One sound or movie file of the game, bound to a player of the media module, started and stopped without
// ever waiting for it.
//
// Open checks the file at once: it must exist and be readable, and a wave sound's header must describe
// uncompressed sound. The player itself is made by the media module: at once when the module is loaded,
// otherwise when it is (see LoadMediaModule). A Play asked before that is made then, and asks for the
// module to be loaded at the next turn of the event loop; a Stop drops it. The player plays a ".wav" file
// as a short sound held in memory, anything else as a movie drawn into the display panel.
class MediaHandle : public QObject
{
    Q_OBJECT

public:
    explicit MediaHandle(QObject* parent = nullptr);
    ~MediaHandle() override;

    // The checks of Open alone, with no player: throws zub::Error naming the file.
    static void Check(const QString& fileName);
    // Draws the movie into panel, filling it. Call once, before Open.
    void setDisplay(QWidget* panel) { m_display = panel; }
    // Binds the player to fileName. Throws zub::Error naming the file when it fails the checks. Open once.
    void Open(const QString& fileName);

    void Play();
    void Stop();
    // For a movie that must be heard the moment it is played: its uncompressed sound is played from memory
    // as a sound of its own, while the movie plays muted.
    void LoadSoundtrack();
    // A start cuts the sound still playing and begins it again, rather than playing on top of it: the
    // music, which two copies out of step would turn into noise.
    void setRestarts();

    bool isOpen() const { return !m_fileName.isEmpty(); }
    const QString& fileName() const { return m_fileName; }
    // Whether Play was asked last (and, for a movie, it has not played to its end since).
    bool isPlaying() const;
    int timesPlayedToEnd() const;

    // Makes the players of every open handle with the module just loaded.
    static void ModuleLoaded(MediaSystem& module);

Q_SIGNALS:
    // The media system cannot play the opened file (broken or of an unknown kind). Emitted at most once,
    // with a message that names the file and gives the media system's reason.
    void failed(const QString& message);

private:
    void createPlayback(MediaSystem& module);

    std::unique_ptr<Playback> m_playback; // once the module is loaded
    QPointer<QWidget> m_display;          // may go before the player is made
    QString m_fileName;
    // Asked before the player was made.
    bool m_playDue = false;
    bool m_soundtrackApart = false;
    bool m_restarts = false;
};

} // namespace zub
