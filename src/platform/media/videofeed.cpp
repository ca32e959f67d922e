#include "platform/media/videofeed.h"

#include "platform/media/moviethread.h"

#include <QThread>
#include <QVideoFrame>
#include <QVideoSink>

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
            connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoFeed::convert);
        };
        if (thread()->isRunning())
            QMetaObject::invokeMethod(this, makeSink, Qt::BlockingQueuedConnection);
        else
            makeSink();
    }
    return m_sink;
}

void VideoFeed::convert(const QVideoFrame& frame)
{
    const QImage picture = frame.isValid() ? frame.toImage() : QImage();
    if (!picture.isNull())
        Q_EMIT pictureChanged(picture);
}

} // namespace zub
