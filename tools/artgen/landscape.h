#pragma once

#include <QPainter>
#include <QRectF>

namespace zub::artgen {

// The night landscape behind the board: rolling hills, a sleeping village with a few lit windows, pine
// trees and a bare tree, drawn in dark silhouettes against the sky. `horizon` is the height at which the
// farthest hills begin; `ground` where the shelf covers the land.
void PaintLandscape(QPainter& painter, qreal width, qreal horizon, qreal ground);

// Thin, soft bands of cloud drifting across `area`, always the same for the same seed.
void PaintClouds(QPainter& painter, const QRectF& area, quint32 seed);

// A lantern hanging from a nail at `hook`, its glass lit from within.
void PaintLantern(QPainter& painter, QPointF hook, qreal height);

} // namespace zub::artgen
