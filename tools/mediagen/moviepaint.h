#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace zub::mediagen {

// Drawing routines shared by the two movies: the title font, text outlines, glows, the night sky and
// wooden beams.

// The colours of the movies' lettering: cream for words and figures, gold for what shines.
inline const QColor kCream(255, 244, 214);
inline const QColor kGold(255, 190, 60);

// Registers the bold sans-serif face the movies are lettered in; throws std::runtime_error naming the
// font file if it is missing, so a movie is never lettered in some fallback face.
void LoadMovieFonts();

// The bold lettering face at a pixel height; LoadMovieFonts() must have run.
QFont LetteringFont(qreal pixelHeight);

// A new frame of `size` and a painter on it with antialiasing switched on.
QImage NewFrame(QSize size);
void PrepareMoviePainter(QPainter& painter);

// The outline of `text` centred on `centre`, measured by the ink of its letters.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre);

// A soft halo around `path`, filled with `colour` and blurred about `radius` pixels.
void PaintGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, int radius);

// A dark night sky over `area` with stars that twinkle as `time` goes on.
void PaintNightSky(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom,
                   double time, int starCount);

// A wooden beam filling `rect`: shaded across its width, with grain lines and a dark edge. The grain
// runs along the longer side.
void PaintBeam(QPainter& painter, const QRectF& rect, const QColor& wood);

// Darkens the frame towards its edges by up to `strength` (0 .. 1).
void PaintVignette(QPainter& painter, const QRectF& area, double strength);

} // namespace zub::mediagen
