#include "smallpictures.h"

#include "paintkit.h"
#include "palette.h"

#include <QLineF>
#include <QPainterPath>

namespace zub::artgen {

namespace {

QPainterPath checkMark(QPointF origin)
{
    QPainterPath tick;
    tick.moveTo(origin + QPointF(3.5, 9.5));
    tick.lineTo(origin + QPointF(7.5, 13.5));
    tick.lineTo(origin + QPointF(14.5, 4.5));
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(tick).simplified();
}

} // namespace

QList<QRgb> GlyphColours()
{
    return {
        qRgb(192, 192, 192), qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(128, 128, 128),
        qRgb(96, 96, 96),    qRgb(160, 160, 164), qRgb(224, 224, 224), qRgb(0, 88, 0),
        qRgb(0, 128, 0),     qRgb(30, 160, 40),   qRgb(80, 200, 80),   qRgb(150, 230, 140),
        qRgb(100, 150, 100), qRgb(150, 176, 150), qRgb(56, 116, 56),   qRgb(176, 190, 176),
    };
}

QImage PaintGlyph()
{
    const QList<QRgb> colours = GlyphColours();
    QImage picture(kGlyphSize, QImage::Format_RGB32);
    picture.fill(colours[0]);
    QPainter painter(&picture);
    PrepareArtPainter(painter);

    const QPainterPath normal = checkMark(QPointF(0, 0));
    DrawOutlined(painter, normal,
                 VerticalGradient(normal.boundingRect(), {QColor(110, 220, 100), QColor(0, 128, 0)}),
                 QColor(0, 80, 0), 0.6);

    const QPainterPath disabled = checkMark(QPointF(18, 0));
    painter.fillPath(disabled.translated(1, 1), Qt::white); // the raised edge of a greyed-out mark
    painter.fillPath(disabled, QColor(128, 128, 128));
    painter.end();
    return Palette(colours).quantize(picture, Palette::Dither::None);
}

QImage PaintSkip()
{
    QImage picture(kSkipSize, QImage::Format_RGB32);
    picture.fill(kSkipTransparent);
    QPainter painter(&picture);
    PrepareArtPainter(painter);

    const QPointF centre(37, 37);
    QRadialGradient button(centre - QPointF(10, 12), 44);
    button.setColorAt(0, QColor(236, 80, 70));
    button.setColorAt(0.6, QColor(170, 20, 26));
    button.setColorAt(1, QColor(100, 8, 14));
    painter.setPen(QPen(QColor(250, 250, 250), 3));
    painter.setBrush(button);
    painter.drawEllipse(centre, 32, 32);

    QPainterPath arrows;
    for (const qreal left : {17.0, 37.0}) {
        QPainterPath triangle;
        triangle.moveTo(left, 23);
        triangle.lineTo(left + 20, 37);
        triangle.lineTo(left, 51);
        triangle.closeSubpath();
        arrows.addPath(triangle);
    }
    painter.fillPath(arrows.translated(1.5, 1.5), QColor(60, 0, 0, 120));
    painter.fillPath(arrows, QColor(255, 255, 255));
    painter.end();
    // Edge pixels that came out exactly transparent-coloured would vanish: nudge them.
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool outside = QLineF(centre, QPointF(x + 0.5, y + 0.5)).length() > 34;
            if (!outside && picture.pixel(x, y) == kSkipTransparent) {
                picture.setPixel(x, y, qRgb(1, 0, 0));
            }
        }
    }
    return picture;
}

QList<QRgb> IconColours()
{
    return {
        qRgba(0, 0, 0, 0),   qRgb(16, 12, 20),    qRgb(14, 22, 60),    qRgb(32, 48, 106),
        qRgb(62, 82, 150),   qRgb(70, 42, 18),    qRgb(132, 86, 42),   qRgb(192, 142, 82),
        qRgb(226, 196, 130), qRgb(246, 240, 214), qRgb(150, 150, 156), qRgb(200, 24, 32),
        qRgb(252, 232, 150), qRgb(40, 92, 52),    qRgb(255, 255, 255), qRgb(96, 112, 170),
    };
}

QImage PaintIcon()
{
    QImage picture(kIconSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    PrepareArtPainter(painter);

    const QRectF square(0.5, 0.5, 31, 31);
    painter.setPen(QPen(QColor(16, 12, 20), 1));
    painter.setBrush(VerticalGradient(square, {QColor(14, 22, 60), QColor(40, 58, 120)}));
    painter.drawRoundedRect(square, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 92, 52)); // grass
    painter.drawRoundedRect(QRectF(1, 25, 30, 6), 4, 4);

    QPainterPath moon;
    moon.addEllipse(QPointF(26.5, 12), 3.6, 3.6);
    QPainterPath bite;
    bite.addEllipse(QPointF(28.3, 10.6), 3.2, 3.2);
    painter.fillPath(moon.subtracted(bite), QColor(252, 232, 150));

    painter.setPen(QPen(QColor(70, 42, 18), 1));
    painter.setBrush(QColor(192, 142, 82));
    painter.drawRect(QRectF(4.5, 24.5, 23, 3)); // platform
    painter.drawRect(QRectF(7.5, 4.5, 3, 20));  // post
    painter.drawRect(QRectF(5.5, 4.5, 17, 3));  // beam
    painter.setPen(QPen(QColor(132, 86, 42), 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(10.5, 12), QPointF(16, 7.5)); // brace
    painter.setPen(QPen(QColor(226, 196, 130), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(19, 7.5), QPointF(19, 12));
    painter.drawEllipse(QPointF(19, 15), 2.5, 3);
    painter.end();
    return Palette(IconColours()).quantize(picture, Palette::Dither::None);
}

} // namespace zub::artgen
