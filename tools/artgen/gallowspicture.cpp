#include "gallowspicture.h"

#include "paintkit.h"
#include "skeleton.h"

#include <QPainterPath>
#include <QRandomGenerator>
#include <stdexcept>

namespace zub::artgen {

namespace {

// The stage at which each piece appears.
enum Stage
{
    Platform = 1,
    Post,
    Beam,
    Brace,
    Rope,
    Noose,
    Skull,
    Ribcage,
    Arms,
    PelvisAndLeg,
    OtherLeg,
};

using namespace gallows;

const QColor kRopeShade(120, 96, 56);

const QPointF kNeck(kRopeX, 100); // where the noose closes
const QRectF kLoop(kRopeX - 15, 58, 30, 46);

void paintScene(QPainter& painter)
{
    const QRectF all(QPointF(0, 0), QSizeF(kGallowsSize));
    painter.fillRect(all, VerticalGradient(all, {kSkyTop, QColor(22, 34, 78), kSkyBottom}));
    PaintStars(painter, QRectF(0, 0, 270, 170), 45, 7);
    PaintMoon(painter, QPointF(238, 46), 15, true);

    painter.fillPath(Hills(), kHills);

    const QRectF ground(0, kGroundTop, 270, 250 - kGroundTop);
    QPainterPath field;
    field.moveTo(0, 250);
    field.lineTo(0, kGroundTop + 4);
    field.cubicTo(80, kGroundTop - 4, 180, kGroundTop + 2, 270, kGroundTop - 2);
    field.lineTo(270, 250);
    painter.fillPath(field, VerticalGradient(ground, {kGrassTop, kGrassBottom}));

    QRandomGenerator random(11);
    painter.setPen(QPen(QColor(62, 104, 64), 1.0));
    for (int i = 0; i < 70; ++i) { // tufts of grass
        const qreal x = random.bounded(270.0);
        const qreal y = kGroundTop + 6 + random.bounded(42.0);
        painter.drawLine(QPointF(x, y), QPointF(x - 1.5, y - 4));
        painter.drawLine(QPointF(x, y), QPointF(x + 1.5, y - 3.5));
    }
}

void paintBolt(QPainter& painter, QPointF at)
{
    PaintRivet(painter, at, 2.2, QColor(30, 26, 24), QColor(150, 150, 156));
}

void paintPlatform(QPainter& painter)
{
    for (const qreal x : kLegLefts) {
        PaintWood(painter, Leg(x), kDarkWood, quint32(x), 1, true);
    }
    painter.save(); // cross bracing between the legs
    painter.setPen(QPen(kDarkWood.darker(130), 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(38, 226), QPointF(132, 246));
    painter.drawLine(QPointF(142, 246), QPointF(232, 226));
    painter.restore();
    PaintWood(painter, kDeck, kWood, 3, 2);
    // The trapdoor under the rope.
    painter.setPen(QPen(QColor(40, 24, 12), 1.2));
    painter.drawLine(QPointF(kRopeX - 18, kDeckTop + 1), QPointF(kRopeX - 18, kDeckTop + 10));
    painter.drawLine(QPointF(kRopeX + 18, kDeckTop + 1), QPointF(kRopeX + 18, kDeckTop + 10));
    for (const qreal x : {33.0, 137.0, 237.0}) {
        paintBolt(painter, QPointF(x, kDeckTop + 5.5));
    }
}

void paintPost(QPainter& painter)
{
    PaintWood(painter, kPost, kWood, 21, 1.5, true);
    PaintWood(painter, QRectF(45, kDeckTop - 8, 29, 8), kDarkWood, 22, 1.5);
}

void paintBeam(QPainter& painter)
{
    PaintWood(painter, kBeam, kWood, 31, 1.5);
    paintBolt(painter, QPointF(59.5, 16.5));
}

void paintBrace(QPainter& painter)
{
    painter.save();
    painter.translate(kBraceCentre);
    painter.rotate(kBraceAngle);
    PaintWood(painter, kBraceTimber, kWood.darker(108), 41, 1.5);
    painter.restore();
    paintBolt(painter, QPointF(62, 73));
    paintBolt(painter, QPointF(113, 28));
}

// A twisted rope along `path`: a dark edge, the rope colour and short diagonal strands.
void paintRopePath(QPainter& painter, const QPainterPath& path, qreal width)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRopeShade.darker(150), width + 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    painter.setPen(QPen(kRope, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    QPen strands(kRopeShade, width * 0.55, Qt::CustomDashLine, Qt::FlatCap);
    strands.setDashPattern({0.7, 1.6});
    painter.setPen(strands);
    painter.drawPath(path);
    painter.restore();
}

void paintRope(QPainter& painter)
{
    QPainterPath rope;
    rope.moveTo(kRopeX, 22);
    rope.lineTo(kRopeX, 52);
    paintRopePath(painter, rope, 4);
    for (int i = 0; i < 3; ++i) { // turns around the beam
        QPainterPath turn;
        turn.moveTo(kRopeX - 5 + 3.5 * i, 8);
        turn.lineTo(kRopeX - 6.5 + 3.5 * i, 25);
        paintRopePath(painter, turn, 3);
    }
}

void paintLoop(QPainter& painter)
{
    QPainterPath loop;
    loop.addEllipse(kLoop);
    paintRopePath(painter, loop, 3.6);
}

// The front of the loop, drawn again over the skull so the noose closes around the neck.
void paintLoopFront(QPainter& painter)
{
    QPainterPath front;
    front.arcMoveTo(kLoop, 200);
    front.arcTo(kLoop, 200, 140);
    paintRopePath(painter, front, 3.6);
}

void paintKnot(QPainter& painter)
{
    for (int i = 0; i < 5; ++i) {
        QPainterPath coil;
        const qreal y = 44 + 3.4 * i;
        coil.moveTo(kRopeX - 6, y);
        coil.quadTo(kRopeX, y + 2.2, kRopeX + 6, y);
        paintRopePath(painter, coil, 3.4);
    }
}

} // namespace

QImage PaintGallows(int stage)
{
    if (stage < 1 || stage > kStageCount) {
        throw std::out_of_range("gallows stage out of range: " + std::to_string(stage));
    }
    QImage picture(kGallowsSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintScene(painter);
    paintPlatform(painter);
    if (stage >= Post) {
        paintPost(painter);
    }
    if (stage >= Brace) {
        paintBrace(painter);
    }
    if (stage >= Beam) {
        paintBeam(painter);
    }
    if (stage >= Rope) {
        paintRope(painter);
    }
    // Legs first, so the pelvis and the arms lie over the tops of the bones they meet.
    if (stage >= OtherLeg) {
        PaintSkeletonPart(painter, SkeletonPart::RightLeg, kNeck);
    }
    if (stage >= PelvisAndLeg) {
        PaintSkeletonPart(painter, SkeletonPart::PelvisAndLeftLeg, kNeck);
    }
    if (stage >= Ribcage) {
        PaintSkeletonPart(painter, SkeletonPart::Ribcage, kNeck);
    }
    if (stage >= Arms) {
        PaintSkeletonPart(painter, SkeletonPart::Arms, kNeck);
    }
    if (stage >= Noose) {
        paintLoop(painter);
    }
    if (stage >= Skull) {
        PaintSkeletonPart(painter, SkeletonPart::Skull, kNeck);
        paintLoopFront(painter);
    }
    if (stage >= Noose) {
        paintKnot(painter);
    }
    return picture;
}

} // namespace zub::artgen
