#include "platform/media/videosurface.h"

#include <QPainter>
#include <QVideoSink>

namespace zub {

VideoSurface::VideoSurface(QVideoSink* sink, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(sink, &QVideoSink::videoFrameChanged, this, &VideoSurface::showFrame);
}

void VideoSurface::showFrame(const QVideoFrame& frame)
{
    m_frame = frame;
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    if (!m_frame.isValid())
        return; // until the first picture the panel's own colour shows through
    QPainter painter(this);
    QVideoFrame::PaintOptions options;
    options.backgroundColor = Qt::black;
    options.aspectRatioMode = Qt::KeepAspectRatio;
    m_frame.paint(&painter, rect(), options);
}

} // namespace zub
