#pragma once

#include <QVideoFrame>
#include <QWidget>

class QVideoSink;

namespace zub {

// A plain widget that paints the current picture of a movie, scaled to fit and centred.
//
// It is an ordinary child widget, so it stacks, hides and grabs like every other control of the board:
// a panel that lies above the movie's panel also covers the movie. The pictures come from a video sink
// that the player owns, so the sink outlives nothing that still plays into it.
class VideoSurface : public QWidget
{
    Q_OBJECT

public:
    VideoSurface(QVideoSink* sink, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);

    QVideoFrame m_frame; // the picture painted now; invalid until the movie delivers one
};

} // namespace zub
