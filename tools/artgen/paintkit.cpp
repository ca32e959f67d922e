#include "paintkit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRandomGenerator>
#include <cmath>
#include <stdexcept>

namespace zub::artgen {

namespace {

QString familyOf(Typeface face)
{
    switch (face) {
    case Typeface::Sans:
        return QStringLiteral("Liberation Sans");
    case Typeface::Serif:
        return QStringLiteral("Liberation Serif");
    case Typeface::SansNarrow:
        return QStringLiteral("Liberation Sans Narrow");
    }
    return {};
}

// One horizontal and one vertical box-blur pass over premultiplied ARGB.
void boxPass(QImage& image, int radius, bool horizontal)
{
    const int width = image.width();
    const int height = image.height();
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    std::vector<QRgb> source(length);
    for (int line = 0; line < lines; ++line) {
        auto at = [&](int i) -> QRgb& {
            return reinterpret_cast<QRgb*>(image.scanLine(horizontal ? line : i))[horizontal ? i : line];
        };
        for (int i = 0; i < length; ++i) {
            source[i] = at(i);
        }
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            const QRgb c = source[std::clamp(i, 0, length - 1)];
            sum[0] += sign * qAlpha(c);
            sum[1] += sign * qRed(c);
            sum[2] += sign * qGreen(c);
            sum[3] += sign * qBlue(c);
        };
        for (int i = -radius; i <= radius; ++i) {
            add(i, 1);
        }
        const int span = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            at(i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            add(i + radius + 1, 1);
            add(i - radius, -1);
        }
    }
}

} // namespace

QFont ArtFont(Typeface face, qreal pixelHeight, bool bold)
{
    QFont font(familyOf(face));
    font.setPixelSize(qRound(pixelHeight));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (QFontInfo(font).family() != familyOf(face)) {
        throw std::runtime_error("font not installed: " + familyOf(face).toStdString());
    }
    return font;
}

void PrepareArtPainter(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment alignment)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    qreal x = box.center().x() - ink.center().x();
    if (alignment & Qt::AlignLeft) {
        x = box.left() - ink.left();
    } else if (alignment & Qt::AlignRight) {
        x = box.right() - ink.right();
    }
    qreal y = box.center().y() - ink.center().y();
    if (alignment & Qt::AlignTop) {
        y = box.top() - ink.top();
    } else if (alignment & Qt::AlignBottom) {
        y = box.bottom() - ink.bottom();
    }
    return path.translated(x, y);
}

void DrawOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                  qreal outlineWidth)
{
    painter.save();
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

QImage Blurred(const QImage& picture, int radius)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, radius, true);
        boxPass(image, radius, false);
    }
    return image;
}

void DrawGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, int radius)
{
    const QRect area = painter.transform().map(path).boundingRect().toAlignedRect().adjusted(
        -3 * radius, -3 * radius, 3 * radius, 3 * radius);
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter glow(&layer);
        PrepareArtPainter(glow);
        glow.translate(-area.topLeft());
        glow.setTransform(painter.transform(), true);
        glow.setPen(QPen(colour, radius / 2.0));
        glow.setBrush(colour);
        glow.drawPath(path);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(area.topLeft(), Blurred(layer, radius));
    painter.restore();
}

void PaintStars(QPainter& painter, const QRectF& area, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        const double size = random.bounded(1.0);
        const qreal radius = 0.5 + 1.1 * size * size;
        const int alpha = 110 + random.bounded(146);
        const QColor tint =
            random.bounded(4) == 0 ? QColor(255, 236, 190, alpha) : QColor(235, 240, 255, alpha);
        painter.setBrush(tint);
        painter.drawEllipse(at, radius, radius);
        if (size > 0.85) { // the brightest few get a small cross of light
            painter.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
            painter.drawLine(at - QPointF(3.5 * radius, 0), at + QPointF(3.5 * radius, 0));
            painter.drawLine(at - QPointF(0, 3.5 * radius), at + QPointF(0, 3.5 * radius));
            painter.setPen(Qt::NoPen);
        }
    }
    painter.restore();
}

void PaintMoon(QPainter& painter, QPointF centre, qreal radius, bool crescent)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    DrawGlow(painter, disc, QColor(255, 244, 200, 90), qMax(2, qRound(radius * 0.6)));

    painter.save();
    QRadialGradient face(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    face.setColorAt(0.0, QColor(255, 252, 232));
    face.setColorAt(1.0, QColor(226, 214, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    if (crescent) {
        QPainterPath bite;
        bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.95, radius * 0.95);
        painter.drawPath(disc.subtracted(bite));
    } else {
        painter.drawPath(disc);
        painter.setBrush(QColor(196, 184, 140, 90)); // a few soft craters
        painter.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.1), radius * 0.22, radius * 0.18);
        painter.drawEllipse(centre + QPointF(radius * 0.25, radius * 0.35), radius * 0.16, radius * 0.14);
        painter.drawEllipse(centre + QPointF(radius * 0.2, -radius * 0.4), radius * 0.1, radius * 0.1);
    }
    painter.restore();
}

void PaintWood(QPainter& painter, const QRectF& rect, const QColor& base, quint32 seed, qreal radius,
               bool vertical)
{
    QRandomGenerator random(seed);
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);

    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    QLinearGradient shade = vertical ? QLinearGradient(rect.topLeft(), rect.topRight())
                                     : QLinearGradient(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0.0, base.lighter(118));
    shade.setColorAt(0.45, base);
    shade.setColorAt(1.0, base.darker(135));
    painter.fillRect(rect, shade);

    // Grain: long wavy lines a little darker or lighter than the wood.
    const qreal across = vertical ? rect.width() : rect.height();
    const qreal along = vertical ? rect.height() : rect.width();
    const int lines = qMax(2, qRound(across / 3.0));
    for (int i = 0; i < lines; ++i) {
        const qreal offset = across * (i + random.bounded(1.0)) / lines;
        const qreal waveLength = 40.0 + random.bounded(80.0);
        const qreal amplitude = 0.4 + random.bounded(1.2);
        const qreal phase = random.bounded(6.28);
        QPainterPath grain;
        for (qreal t = -2; t <= along + 2; t += 4) {
            const qreal wobble = offset + amplitude * std::sin(phase + t / waveLength * 6.283);
            const QPointF p = vertical ? QPointF(rect.left() + wobble, rect.top() + t)
                                       : QPointF(rect.left() + t, rect.top() + wobble);
            if (t <= -2) {
                grain.moveTo(p);
            } else {
                grain.lineTo(p);
            }
        }
        const bool dark = random.bounded(3) != 0;
        const QColor tone = dark ? base.darker(125 + random.bounded(25)) : base.lighter(112);
        painter.setPen(QPen(QColor(tone.red(), tone.green(), tone.blue(), 70 + random.bounded(80)),
                            0.6 + random.bounded(0.9)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(grain);
    }
    painter.restore();

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(base.darker(220), 1.2));
    painter.drawPath(shape);
    painter.restore();
}

QLinearGradient VerticalGradient(const QRectF& rect, std::initializer_list<QColor> colours)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    const int last = static_cast<int>(colours.size()) - 1;
    int i = 0;
    for (const QColor& colour : colours) {
        gradient.setColorAt(last > 0 ? static_cast<qreal>(i) / last : 0.0, colour);
        ++i;
    }
    return gradient;
}

void PaintRivet(QPainter& painter, QPointF at, qreal radius, const QColor& rim, const QColor& face)
{
    painter.save();
    painter.setPen(QPen(rim, 0.8));
    painter.setBrush(face);
    painter.drawEllipse(at, radius, radius);
    painter.restore();
}

} // namespace zub::artgen
