#pragma once

#include <QPainter>

namespace zub::mediagen {

namespace intro {
constexpr double kGroundLine = 418; // the top of the hill the gallows stands on
} // namespace intro

// The gallows of the intro movie, built beam by beam as the intro timeline says, with the figure that
// the missed guesses start under its noose. Painted over the night scene of the 620 x 480 frame.
void PaintIntroGallows(QPainter& painter, double time);

} // namespace zub::mediagen
