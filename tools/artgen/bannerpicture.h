#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

namespace zub::artgen {

// The HANGHIGHSCORE banner above the high-score table: "HIGH SCORES" in gold on a red ribbon, on the
// white of the table's panel.

inline constexpr QSize kBannerSize(500, 75);

QImage PaintHighScoreBanner();

// A five-pointed star of outer radius `radius` around `centre`, one point upwards.
QPainterPath StarPath(QPointF centre, qreal radius);

} // namespace zub::artgen
