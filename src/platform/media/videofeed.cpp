#include "platform/media/videofeed.h"

#include "platform/media/moviethread.h"

#include <QThread>
#include <QVideoFrame>
#include <QVideoSink>
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
        deleteLater();
    else
        delete this; // the thread has ended: nothing can deliver to the feed any more
}

QVideoSink* VideoFeed::Sink()
{
    if (!m_sink) {
        // Made on the thread it serves, so that the media system delivers the frames there.
        const auto makeSink = [this] {
            m_sink = new QVideoSink(this);
            connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoFeed::take, Qt::DirectConnection);
        };
        if (thread()->isRunning())
            QMetaObject::invokeMethod(this, makeSink, Qt::BlockingQueuedConnection);
        else
            makeSink();
    }
    return m_sink;
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
