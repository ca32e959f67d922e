#include "board/imagecontrol.h"

#include <QPainter>

namespace zub {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::setFit(PictureFit fit)
{
    m_fit = fit;
    if (m_fit == PictureFit::AutoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void ImageControl::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_pixmap = QPixmap::fromImage(m_picture);
    if (m_fit == PictureFit::AutoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    if (m_fit == PictureFit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_pixmap);
    } else {
        painter.drawPixmap(0, 0, m_pixmap);
    }
}

} // namespace zub
