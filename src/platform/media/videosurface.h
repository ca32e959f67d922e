#pragma once

#include <QImage>
#include <QWidget>

namespace zub {

class VideoFeed;

// A plain widget that paints the current picture of a movie, scaled to fit and centred on black.
//
// It is an ordinary child widget, so it stacks, hides and grabs like every other control of the board:
// a panel that lies above the movie's panel also covers the movie.
class VideoSurface : public QWidget
{
    Q_OBJECT

public:
    VideoSurface(const VideoFeed& feed, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showPicture(const QImage& picture);

    QImage m_picture; // the picture painted now; null until the movie delivers one
};

} // namespace zub
