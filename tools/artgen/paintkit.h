#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace zub::artgen {

// Shared drawing helpers: fonts, outlined text, glows, night sky, stars, moon and wood.

enum class Typeface
{
    Sans,      // Liberation Sans
    Serif,     // Liberation Serif
    SansNarrow // Liberation Sans Narrow
};

// A font of the given pixel height; throws std::runtime_error if the typeface is not installed, so a
// machine without the fonts cannot silently write pictures in a fallback face.
QFont ArtFont(Typeface face, qreal pixelHeight, bool bold = true);

// A painter on `picture` with antialiasing for shapes, text and scaled pictures.
void PrepareArtPainter(QPainter& painter);

// The outline of `text` placed in `box` by `alignment` (horizontal and vertical flags), using the
// font's ink bounds so capitals are centred optically, not by line height.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment alignment);

// Fills `path` with `fill` over an outline of `outlineWidth` pixels, outline first so it stays outside.
void DrawOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                  qreal outlineWidth);

// A soft halo around `path`: the shape filled with `colour` and blurred by `radius` pixels.
void DrawGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, int radius);

// A copy of `picture` (any format) blurred by three box passes of `radius`, as premultiplied ARGB.
QImage Blurred(const QImage& picture, int radius);

// Scattered stars of random size and brightness, always the same for the same seed.
void PaintStars(QPainter& painter, const QRectF& area, int count, quint32 seed);

// A pale moon with a soft glow: a crescent when `crescent`, otherwise full with a few faint craters.
void PaintMoon(QPainter& painter, QPointF centre, qreal radius, bool crescent);

// A wooden board filling `rect` (rounded by `radius`): base colour, shading across the grain, grain
// lines along it and a dark edge. Grain runs horizontally unless `vertical`.
void PaintWood(QPainter& painter, const QRectF& rect, const QColor& base, quint32 seed, qreal radius = 0,
               bool vertical = false);

// A vertical gradient through the given colours, evenly spaced from the top of `rect` to its bottom.
// A round nail or bolt head: a disc of `face` at `at` with a thin `rim`.
void PaintRivet(QPainter& painter, QPointF at, qreal radius, const QColor& rim, const QColor& face);

QLinearGradient VerticalGradient(const QRectF& rect, std::initializer_list<QColor> colours);

} // namespace zub::artgen
