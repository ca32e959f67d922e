#include "landscape.h"

#include "paintkit.h"

#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace zub::artgen {

namespace {

const QColor kFarHills(30, 40, 84);
const QColor kNearHills(18, 24, 54);
const QColor kSilhouette(9, 12, 30);
const QColor kWindowLight(255, 208, 110);

QPainterPath pineTree(QPointF foot, qreal height)
{
    QPainterPath tree;
    const qreal w = height * 0.42;
    tree.addRect(QRectF(foot.x() - height * 0.04, foot.y() - height * 0.14, height * 0.08, height * 0.14));
    for (int tier = 0; tier < 3; ++tier) {
        const qreal base = foot.y() - height * (0.1 + 0.26 * tier);
        const qreal half = w * (1.0 - 0.24 * tier);
        QPainterPath layer;
        layer.moveTo(foot.x() - half, base);
        layer.lineTo(foot.x(), base - height * 0.44);
        layer.lineTo(foot.x() + half, base);
        layer.closeSubpath();
        tree = tree.united(layer);
    }
    return tree;
}

// A house with a pitched roof; returns the window rectangles so the caller can light some.
QPainterPath house(QPointF foot, qreal width, qreal height, QList<QRectF>& windows)
{
    QPainterPath shape;
    shape.addRect(QRectF(foot.x(), foot.y() - height, width, height));
    QPainterPath roof;
    roof.moveTo(foot.x() - 3, foot.y() - height);
    roof.lineTo(foot.x() + width / 2, foot.y() - height - width * 0.45);
    roof.lineTo(foot.x() + width + 3, foot.y() - height);
    roof.closeSubpath();
    shape = shape.united(roof);
    shape.addRect(QRectF(foot.x() + width * 0.7, foot.y() - height - width * 0.42, 4, 10)); // chimney
    windows.append(QRectF(foot.x() + width * 0.2, foot.y() - height * 0.7, 5, 6));
    windows.append(QRectF(foot.x() + width * 0.62, foot.y() - height * 0.7, 5, 6));
    return shape;
}

QPainterPath church(QPointF foot, QList<QRectF>& windows)
{
    QPainterPath shape;
    shape.addRect(QRectF(foot.x(), foot.y() - 26, 40, 26));
    QPainterPath roof;
    roof.moveTo(foot.x() - 2, foot.y() - 26);
    roof.lineTo(foot.x() + 20, foot.y() - 40);
    roof.lineTo(foot.x() + 42, foot.y() - 26);
    roof.closeSubpath();
    shape = shape.united(roof);
    shape.addRect(QRectF(foot.x() + 30, foot.y() - 52, 14, 52)); // tower
    QPainterPath spire;
    spire.moveTo(foot.x() + 28, foot.y() - 52);
    spire.lineTo(foot.x() + 37, foot.y() - 80);
    spire.lineTo(foot.x() + 46, foot.y() - 52);
    spire.closeSubpath();
    shape = shape.united(spire);
    shape.addRect(QRectF(foot.x() + 36.2, foot.y() - 90, 1.6, 10)); // cross
    shape.addRect(QRectF(foot.x() + 33, foot.y() - 87, 8, 1.6));
    windows.append(QRectF(foot.x() + 34.5, foot.y() - 44, 5, 8));
    windows.append(QRectF(foot.x() + 8, foot.y() - 18, 5, 8));
    return shape;
}

// A bare, crooked tree: branches forking from the trunk, each thinner than the last.
void bareTree(QPainter& painter, QPointF foot, qreal height, quint32 seed)
{
    QRandomGenerator random(seed);
    struct Branch
    {
        QPointF from;
        qreal angle;
        qreal length;
        qreal width;
    };
    QList<Branch> open = {{foot, -90.0, height * 0.42, height * 0.06}};
    painter.save();
    while (!open.isEmpty()) {
        const Branch b = open.takeLast();
        const qreal rad = qDegreesToRadians(b.angle);
        const QPointF to = b.from + QPointF(b.length * qCos(rad), b.length * qSin(rad));
        painter.setPen(QPen(kSilhouette, b.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(b.from, to);
        if (b.width > 1.0) {
            for (const int side : {-1, 1}) {
                open.append({to, b.angle + side * (18 + random.bounded(22.0)),
                             b.length * (0.62 + random.bounded(0.16)), b.width * 0.62});
            }
        }
    }
    painter.restore();
}

void lightWindows(QPainter& painter, const QList<QRectF>& windows)
{
    for (int i = 0; i < windows.size(); ++i) {
        if (i % 3 == 2) {
            continue; // some of the village is asleep
        }
        QPainterPath pane;
        pane.addRect(windows[i]);
        DrawGlow(painter, pane, QColor(255, 190, 90, 150), 3);
        painter.fillPath(pane, kWindowLight);
    }
}

} // namespace

void PaintLandscape(QPainter& painter, qreal width, qreal horizon, qreal ground)
{
    QPainterPath far;
    far.moveTo(0, ground);
    far.lineTo(0, horizon + 40);
    far.cubicTo(width * 0.18, horizon + 10, width * 0.3, horizon + 50, width * 0.48, horizon + 30);
    far.cubicTo(width * 0.62, horizon + 12, width * 0.78, horizon - 10, width, horizon + 20);
    far.lineTo(width, ground);
    painter.fillPath(far,
                     VerticalGradient(QRectF(0, horizon, width, ground - horizon), {kFarHills, kNearHills}));

    QPainterPath near;
    near.moveTo(0, ground);
    near.lineTo(0, ground - 40);
    near.cubicTo(width * 0.3, ground - 70, width * 0.45, ground - 30, width * 0.6, ground - 80);
    near.cubicTo(width * 0.72, ground - 118, width * 0.88, ground - 96, width, ground - 110);
    near.lineTo(width, ground);
    painter.fillPath(near, VerticalGradient(QRectF(0, ground - 120, width, 120), {kNearHills, kSilhouette}));

    // A pale track winding down from the village.
    QPainterPath track;
    track.moveTo(770, ground - 110);
    track.cubicTo(740, ground - 80, 820, ground - 60, 760, ground - 30);
    track.quadTo(730, ground - 12, 748, ground);
    painter.strokePath(track, QPen(QColor(60, 66, 110, 120), 5, Qt::SolidLine, Qt::RoundCap));

    // The village on the near hill, to the right.
    QList<QRectF> windows;
    QPainterPath village;
    village.addPath(house(QPointF(648, ground - 86), 30, 20, windows));
    village.addPath(house(QPointF(688, ground - 100), 26, 18, windows));
    village.addPath(church(QPointF(752, ground - 110), windows));
    village.addPath(house(QPointF(810, ground - 106), 34, 22, windows));
    village.addPath(house(QPointF(856, ground - 104), 24, 16, windows));
    painter.fillPath(village, kSilhouette);
    lightWindows(painter, windows);

    QPainterPath pines;
    const QPointF pineFeet[] = {{560, ground - 58}, {578, ground - 62},  {600, ground - 70},
                                {625, ground - 80}, {896, ground - 104}, {914, ground - 100},
                                {934, ground - 104}};
    const qreal pineHeights[] = {42, 58, 48, 62, 54, 70, 50};
    for (int i = 0; i < 7; ++i) {
        pines.addPath(pineTree(pineFeet[i], pineHeights[i]));
    }
    painter.fillPath(pines, kSilhouette);
    bareTree(painter, QPointF(520, ground - 40), 120, 5);

    QRandomGenerator random(13); // fireflies over the meadow
    for (int i = 0; i < 14; ++i) {
        const QPointF at(540 + random.bounded(400.0), ground - 60 + random.bounded(50.0));
        QPainterPath fly;
        fly.addEllipse(at, 1.2, 1.2);
        DrawGlow(painter, fly, QColor(220, 255, 120, 140), 3);
        painter.fillPath(fly, QColor(240, 255, 170));
    }
}

void PaintClouds(QPainter& painter, const QRectF& area, quint32 seed)
{
    QImage layer(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter clouds(&layer);
        PrepareArtPainter(clouds);
        clouds.setPen(Qt::NoPen);
        QRandomGenerator random(seed);
        for (int band = 0; band < 3; ++band) {
            const qreal y = area.height() * (0.25 + 0.25 * band);
            const qreal x = random.bounded(area.width() * 0.5);
            for (int puff = 0; puff < 6; ++puff) {
                clouds.setBrush(QColor(120, 130, 180, 34));
                clouds.drawEllipse(QPointF(x + puff * 26 + random.bounded(10.0), y + random.bounded(6.0)),
                                   30 + random.bounded(20.0), 6 + random.bounded(5.0));
            }
        }
    }
    painter.drawImage(area.topLeft(), Blurred(layer, 4));
}

void PaintLantern(QPainter& painter, QPointF hook, qreal height)
{
    const qreal w = height * 0.5;
    const QRectF glass(hook.x() - w / 2, hook.y() + height * 0.28, w, height * 0.52);
    QPainterPath light;
    light.addEllipse(glass.center(), w * 0.9, height * 0.45);
    DrawGlow(painter, light, QColor(255, 180, 70, 110), qRound(height * 0.18));

    painter.save();
    painter.setPen(QPen(QColor(20, 16, 14), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(hook.x(), hook.y() + height * 0.1), height * 0.07, height * 0.09); // ring
    painter.setBrush(QColor(150, 150, 156));
    painter.drawEllipse(hook, 2.2, 2.2); // the nail

    QRadialGradient flame(glass.center() + QPointF(0, height * 0.06), w * 0.7);
    flame.setColorAt(0, QColor(255, 250, 210));
    flame.setColorAt(0.35, QColor(255, 200, 90));
    flame.setColorAt(1, QColor(190, 100, 30));
    painter.setPen(QPen(QColor(30, 24, 20), 1.4));
    painter.setBrush(flame);
    painter.drawRect(glass);
    painter.setPen(QPen(QColor(30, 24, 20), 1.2)); // the frame's bars
    painter.drawLine(QPointF(glass.center().x(), glass.top()), QPointF(glass.center().x(), glass.bottom()));

    QPainterPath roof;
    roof.moveTo(glass.left() - 4, glass.top());
    roof.lineTo(hook.x(), hook.y() + height * 0.16);
    roof.lineTo(glass.right() + 4, glass.top());
    roof.closeSubpath();
    painter.setBrush(QColor(44, 38, 34));
    painter.drawPath(roof);
    painter.drawRect(QRectF(glass.left() - 3, glass.bottom(), w + 6, height * 0.08));
    painter.restore();
}

} // namespace zub::artgen
