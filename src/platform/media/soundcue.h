#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <vector>

class QSoundEffect;

namespace zub {

// One short wave sound, played by the sound system's sound effects straight from memory.
//
// Play starts the sound from its beginning at once. Each start is a voice of its own: a start that is
// still sounding runs on beneath the new one, so a letter found at three places is heard three times.
// Starts asked within the same moment are spread kStaggerMs apart, so that they are heard as three strikes
// rather than as one louder one. The music is the exception: it restarts instead (Repeat::Restart), as
// two copies of it playing out of step would be noise. Stop silences every voice and drops the starts not
// yet made. Without a sound device nothing sounds, but the starts are still counted.
class SoundCue : public QObject
{
    Q_OBJECT

public:
    enum class Repeat
    {
        Overlap, // every start plays on top of those still sounding
        Restart, // a start cuts the sound still playing and begins it again
    };
    static constexpr int kStaggerMs = 45;

    // fileName must be a readable wave file; the sound system loads it on a thread of its own.
    SoundCue(const QString& fileName, QObject* parent);
    ~SoundCue() override;

    void setRepeat(Repeat repeat) { m_repeat = repeat; }
    void Play();
    void Stop();

    int timesStarted() const { return m_timesStarted; }
    bool isPlaying() const;

Q_SIGNALS:
    // The sound system cannot decode the file; emitted once.
    void failed(const QString& reason);

private:
    void startVoice();
    QSoundEffect* idleVoice();
    QSoundEffect* newVoice();

    QUrl m_source;
    Repeat m_repeat = Repeat::Overlap;
    std::vector<QSoundEffect*> m_voices; // none without a sound device
    QElapsedTimer m_sinceStart;          // since the last voice was started
    QTimer m_stagger;                    // starts the next of the starts still due
    int m_startsDue = 0;
    int m_timesStarted = 0;
    bool m_failureReported = false;
};

} // namespace zub
