#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QVideoFrame>

class QVideoSink;

namespace zub {

// The pictures of one movie, taken from the media system on the movie thread and handed on as images
// ready to paint.
//
// The media system hands each movie frame to the thread of its video sink and waits until that thread has
// taken it. With the sink on the GUI thread, stopping a movie from the GUI thread blocked it for 300 ms:
// the stop waited for the streaming thread, which waited for the GUI thread. So the sink lives on a
// thread of its own, which also converts the frames: the GUI thread only paints finished pictures.
class VideoFeed : public QObject
{
    Q_OBJECT

public:
    // Made for the movie thread; give it back with Release, never delete it directly.
    static VideoFeed* Create();
    void Release();

    // The sink the media system plays into, made on the movie thread at the first call. Call from the
    // thread that created the feed.
    QVideoSink* Sink();

Q_SIGNALS:
    // Emitted on the movie thread for every picture of the movie.
    void pictureChanged(const QImage& picture);

private:
    VideoFeed() = default;
    void take(const QVideoFrame& frame);
    void convertLatest();

    QVideoSink* m_sink = nullptr;
    // The newest frame not converted yet. The media system waits while its frame is taken, so taking only
    // keeps it; the conversion runs afterwards, once for however many frames came meanwhile.
    QMutex m_lock;
    QVideoFrame m_latest;
    bool m_conversionQueued = false;
};

} // namespace zub
