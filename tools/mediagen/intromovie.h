#pragma once

#include <QImage>

namespace zub::mediagen {

// The intro movie, 620 x 480: one frame for any moment of its 25 seconds. The timing of every scene
// comes from the intro timeline.
QImage IntroFrame(double time);

} // namespace zub::mediagen
