#include "skeleton.h"

#include "paintkit.h"

#include <QPainterPath>
#include <QtMath>

namespace zub::artgen {

namespace {

const QColor kBone(240, 233, 210);
const QColor kBoneShade(196, 186, 158);
const QColor kBoneOutline(46, 40, 30);
const QColor kHollow(28, 24, 30);

// A long bone from `a` to `b`: a shaft of `width` with a knob at each end.
QPainterPath bonePath(QPointF a, QPointF b, qreal width)
{
    QPainterPath shaft;
    shaft.moveTo(a);
    shaft.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath bone = stroker.createStroke(shaft);
    const QPointF along = b - a;
    const qreal length = qSqrt(QPointF::dotProduct(along, along));
    const QPointF across = length > 0 ? QPointF(-along.y(), along.x()) / length * (width * 0.45) : QPointF();
    for (const QPointF end : {a, b}) {
        QPainterPath knobs;
        knobs.addEllipse(end + across, width * 0.62, width * 0.62);
        knobs.addEllipse(end - across, width * 0.62, width * 0.62);
        bone = bone.united(knobs);
    }
    return bone.simplified();
}

void drawBone(QPainter& painter, const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0.0, kBone);
    shade.setColorAt(1.0, kBoneShade);
    DrawOutlined(painter, path, shade, kBoneOutline, 0.9);
}

void paintSkull(QPainter& painter, QPointF neck)
{
    painter.save();
    painter.translate(neck);
    painter.rotate(-9); // a hanging head droops to one side
    QPainterPath skull;
    skull.addEllipse(QPointF(0, -25), 15, 14.5);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(-10, -20, 20, 17), 6, 6);
    skull = skull.united(jaw).simplified();
    drawBone(painter, skull);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kHollow);
    painter.drawEllipse(QPointF(-6, -23), 4.6, 5.0);
    painter.drawEllipse(QPointF(6, -23), 4.6, 5.0);
    QPainterPath nose;
    nose.moveTo(0, -18.5);
    nose.lineTo(-2.6, -13.5);
    nose.lineTo(2.6, -13.5);
    nose.closeSubpath();
    painter.drawPath(nose);
    painter.setPen(QPen(kBoneOutline, 0.9));
    painter.drawLine(QPointF(-7, -8.5), QPointF(7, -8.5));
    for (int i = -3; i <= 3; ++i) {
        painter.drawLine(QPointF(2.0 * i, -10.5), QPointF(2.0 * i, -6.0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150)); // light on the crown
    painter.drawEllipse(QPointF(-6, -33), 5, 3);
    painter.restore();
}

void paintRibcage(QPainter& painter, QPointF neck)
{
    // Spine: a column of small vertebrae down to the pelvis.
    for (qreal y = 3; y < 50; y += 5.5) {
        QPainterPath vertebra;
        vertebra.addRoundedRect(QRectF(neck.x() - 3.2, neck.y() + y, 6.4, 4.6), 1.8, 1.8);
        drawBone(painter, vertebra);
    }
    // Collar bones reaching to the shoulders.
    drawBone(painter, bonePath(neck + QPointF(-2, 6), neck + QPointF(-16, 5), 3.2));
    drawBone(painter, bonePath(neck + QPointF(2, 6), neck + QPointF(16, 5), 3.2));
    // Ribs: pairs of arcs, longest in the middle of the chest.
    const qreal spans[] = {10, 13, 14, 13, 11};
    for (int i = 0; i < 5; ++i) {
        const qreal top = neck.y() + 11 + 6.2 * i;
        for (const int side : {-1, 1}) {
            QPainterPath rib;
            rib.moveTo(neck.x() + side * 2.5, top);
            rib.cubicTo(neck.x() + side * spans[i] * 1.1, top - 3, neck.x() + side * spans[i] * 1.25, top + 3,
                        neck.x() + side * spans[i] * 0.7, top + 6.5);
            painter.setPen(QPen(kBoneOutline, 3.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(rib);
            painter.setPen(QPen(kBone, 2.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(rib);
        }
    }
}

void paintArm(QPainter& painter, QPointF neck, int side)
{
    const QPointF shoulder = neck + QPointF(side * 17, 6);
    const QPointF elbow = neck + QPointF(side * 22, 33);
    const QPointF wrist = neck + QPointF(side * 23, 57);
    drawBone(painter, bonePath(shoulder, elbow, 3.6));
    drawBone(painter, bonePath(elbow + QPointF(-1.4, 0), wrist + QPointF(-1.4, 0), 2.4));
    drawBone(painter, bonePath(elbow + QPointF(1.4, 0), wrist + QPointF(1.4, 0), 2.4));
    QPainterPath palm;
    palm.addEllipse(wrist + QPointF(0, 3.5), 3.6, 3.2);
    drawBone(painter, palm);
    for (int finger = -1; finger <= 2; ++finger) {
        const QPointF from = wrist + QPointF(finger * 1.9 - 0.9, 5.5);
        drawBone(painter, bonePath(from, from + QPointF(finger * 0.8, 7.5), 1.3));
    }
}

void paintLeg(QPainter& painter, QPointF neck, int side)
{
    const QPointF hip = neck + QPointF(side * 8, 63);
    const QPointF knee = neck + QPointF(side * 9.5, 82);
    const QPointF ankle = neck + QPointF(side * 9, 100);
    drawBone(painter, bonePath(hip, knee, 4.0));
    drawBone(painter, bonePath(knee + QPointF(-1.5, 1), ankle + QPointF(-1.5, 0), 2.6));
    drawBone(painter, bonePath(knee + QPointF(1.7, 1), ankle + QPointF(1.7, 0), 2.0));
    QPainterPath kneecap;
    kneecap.addEllipse(knee, 2.8, 2.6);
    drawBone(painter, kneecap);
    QPainterPath foot;
    foot.addRoundedRect(QRectF(ankle.x() - 3.5 + side * 2.0, ankle.y() + 1, 7.5, 4), 2, 2);
    drawBone(painter, foot);
}

void paintPelvis(QPainter& painter, QPointF neck)
{
    const qreal x = neck.x();
    const qreal top = neck.y() + 51;
    QPainterPath pelvis; // two hip wings that meet in a narrow arch at the bottom
    pelvis.moveTo(x, top + 3);
    pelvis.cubicTo(x - 7, top - 2, x - 18, top - 3, x - 18, top + 4);
    pelvis.cubicTo(x - 18, top + 9, x - 12, top + 13, x - 5, top + 15);
    pelvis.quadTo(x, top + 11, x + 5, top + 15);
    pelvis.cubicTo(x + 12, top + 13, x + 18, top + 9, x + 18, top + 4);
    pelvis.cubicTo(x + 18, top - 3, x + 7, top - 2, x, top + 3);
    drawBone(painter, pelvis);
    painter.save();
    painter.setPen(QPen(kBoneShade.darker(140), 1.0));
    painter.drawLine(QPointF(x - 12, top + 3), QPointF(x - 7, top + 9)); // the curve of each wing
    painter.drawLine(QPointF(x + 12, top + 3), QPointF(x + 7, top + 9));
    painter.restore();
}

} // namespace

void PaintSkeletonPart(QPainter& painter, SkeletonPart part, QPointF neck)
{
    painter.save();
    switch (part) {
    case SkeletonPart::Skull:
        paintSkull(painter, neck);
        break;
    case SkeletonPart::Ribcage:
        paintRibcage(painter, neck);
        break;
    case SkeletonPart::Arms:
        paintArm(painter, neck, -1);
        paintArm(painter, neck, 1);
        break;
    case SkeletonPart::PelvisAndLeftLeg:
        paintLeg(painter, neck, -1);
        paintPelvis(painter, neck);
        break;
    case SkeletonPart::RightLeg:
        paintLeg(painter, neck, 1);
        break;
    }
    painter.restore();
}

} // namespace zub::artgen
