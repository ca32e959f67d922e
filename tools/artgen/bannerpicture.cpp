#include "bannerpicture.h"

#include "paintkit.h"

#include <QPainterPath>
#include <QtMath>

namespace zub::artgen {

namespace {

const QColor kRibbon(178, 22, 30);
const QColor kRibbonDark(112, 10, 18);
const QColor kOutline(60, 8, 10);

// One tail of the ribbon: a band behind the main ribbon with a V cut at its outer end.
QPainterPath tailPath(bool left)
{
    QPainterPath tail;
    const qreal outer = left ? 14 : 486;
    const qreal inner = left ? 92 : 408;
    const qreal notch = left ? 34 : 466;
    tail.moveTo(inner, 22);
    tail.lineTo(outer, 22);
    tail.lineTo(notch, 44);
    tail.lineTo(outer, 66);
    tail.lineTo(inner, 66);
    tail.closeSubpath();
    return tail;
}

// The fold where the main band turns back into a tail.
QPainterPath foldPath(bool left)
{
    QPainterPath fold;
    const qreal edge = left ? 70 : 430;
    const qreal inner = left ? 92 : 408;
    fold.moveTo(edge, 60);
    fold.lineTo(inner, 66);
    fold.lineTo(inner, 60);
    fold.closeSubpath();
    return fold;
}

} // namespace

QPainterPath StarPath(QPointF centre, qreal radius)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.42;
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF p = centre + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0) {
            star.moveTo(p);
        } else {
            star.lineTo(p);
        }
    }
    star.closeSubpath();
    return star;
}

QImage PaintHighScoreBanner()
{
    QImage picture(kBannerSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PrepareArtPainter(painter);

    for (const bool left : {true, false}) {
        DrawOutlined(painter, tailPath(left), QBrush(kRibbonDark), kOutline, 1.0);
        DrawOutlined(painter, foldPath(left), QBrush(kOutline), kOutline, 0.5);
    }
    const QRectF band(70, 8, 360, 52);
    QPainterPath ribbon;
    ribbon.addRoundedRect(band, 3, 3);
    DrawOutlined(painter, ribbon,
                 VerticalGradient(band, {kRibbon.lighter(135), kRibbon, kRibbon.darker(125)}), kOutline, 1.2);
    painter.setPen(QPen(QColor(255, 210, 120, 160), 1.0, Qt::DashLine)); // stitching along the edges
    painter.drawLine(QPointF(76, 13), QPointF(424, 13));
    painter.drawLine(QPointF(76, 55), QPointF(424, 55));

    const QFont font = ArtFont(Typeface::Serif, 40, true);
    const QPainterPath title = TextPath(QStringLiteral("HIGH SCORES"), font, band, Qt::AlignCenter);
    painter.fillPath(title.translated(2, 2), QColor(40, 0, 0, 140));
    const QRectF ink = title.boundingRect();
    DrawOutlined(painter, title,
                 VerticalGradient(ink, {QColor(255, 246, 190), QColor(246, 196, 60), QColor(182, 116, 20)}),
                 kOutline, 1.4);

    const QBrush gold(VerticalGradient(QRectF(0, 20, 1, 30), {QColor(255, 240, 160), QColor(220, 150, 30)}));
    for (const qreal x : {ink.left() - 22, ink.right() + 22}) {
        DrawOutlined(painter, StarPath(QPointF(x, band.center().y()), 10), gold, kOutline, 1.0);
    }
    return picture;
}

} // namespace zub::artgen
