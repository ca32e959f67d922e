#pragma once

#include "platform/media/waveheader.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

class QAudioSink;

namespace zub {

// One wave sound, played from memory by the sound system, each start through an audio output of its own
// that goes when it has played (an output stopped and started again at once was sometimes not heard).
//
// The samples are followed by a little silence: an output that has taken all its samples is stopped, and
// stopping drops what it has not yet played.
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

    // wave holds the whole file, format what its header says.
    SoundCue(const QByteArray& wave, const WaveFormat& format, QObject* parent);
    ~SoundCue() override;

    void setRepeat(Repeat repeat) { m_repeat = repeat; }
    void Play();
    void Stop();

    int timesStarted() const { return m_timesStarted; }
    bool isPlaying() const;

private:
    void startVoice();

    QByteArray m_samples; // with the silence after them
    QAudioFormat m_format;
    Repeat m_repeat = Repeat::Overlap;
    std::vector<QAudioSink*> m_voices; // the outputs still playing
    bool m_haveDevice = false;
    QElapsedTimer m_sinceStart; // since the last voice was started
    QTimer m_stagger;           // starts the next of the starts still due
    int m_startsDue = 0;
    int m_timesStarted = 0;
};

} // namespace zub
