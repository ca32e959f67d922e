#include "platform/media/videosurface.h"

#include "platform/media/videofeed.h"

#include <QPainter>

namespace zub {

VideoSurface::VideoSurface(const VideoFeed& feed, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The feed sends its pictures from the movie thread; they are queued to this widget's thread.
    connect(&feed, &VideoFeed::pictureChanged, this, &VideoSurface::showPicture);
}

void VideoSurface::showPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return; // until the first picture the panel's own colour shows through
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    QRect target(QPoint(0, 0), m_picture.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
}

} // namespace zub
