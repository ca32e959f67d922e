#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace zub {

// How an image control fits its picture into its bounds.
enum class PictureFit
{
    TopLeft,  // drawn 1:1 at the top-left corner; what does not fit is cut off
    Stretch,  // scaled to the bounds
    AutoSize, // the control takes the picture's size
};

// An image: shows one picture, fitted as told. It takes no clicks of its own; a click on it goes to
// whatever lies beneath.
class ImageControl : public QWidget
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent = nullptr);

    void setFit(PictureFit fit);
    void setPicture(const QImage& picture);

    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_pixmap; // m_picture as drawn
    PictureFit m_fit = PictureFit::TopLeft;
};

} // namespace zub
