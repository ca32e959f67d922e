#include "introgallows.h"

#include "assets/gallowsgeometry.h"
#include "easing.h"
#include "introtimeline.h"
#include "moviepaint.h"

namespace zub::mediagen {

namespace {

using namespace intro;

// The same wood and rope as the gallows pictures.
using gallows::kRope;
using gallows::kWood;

// The gallows, in frame pixels.
const QRectF kBase(60, kGroundLine - 14, 210, 14);
const QRectF kPost(96, 112, 16, kGroundLine - 14 - 112);
const QRectF kTopBeam(88, 104, 160, 14);
const QPointF kBraceFoot(106, 192);
const QPointF kBraceTop(178, 120);
constexpr double kRopeX = 226;
constexpr double kRopeTop = 118;
constexpr double kRopeBottom = 198;
const QRectF kNoose(kRopeX - 14, 198, 28, 36);
const QPointF kHead(kRopeX, 250);
constexpr double kHeadRadius = 15;
constexpr double kBodyBottom = 332;

// A bright point that marks the growing end of a stroke while it is drawn.
void paintDrawingTip(QPainter& painter, QPointF at, double progress)
{
    if (progress <= 0.0 || progress >= 1.0) {
        return;
    }
    QPainterPath spark;
    spark.addEllipse(at, 3.0, 3.0);
    PaintGlow(painter, spark, kGold, 8);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 200));
    painter.drawEllipse(at, 2.5, 2.5);
    painter.restore();
}

void paintGallows(QPainter& painter, double time)
{
    // Base: left to right.
    double progress = Smooth(StrokeProgress(0, time));
    if (progress > 0.0) {
        PaintBeam(painter, QRectF(kBase.topLeft(), QSizeF(kBase.width() * progress, kBase.height())),
                  kWood.darker(115));
        paintDrawingTip(painter, QPointF(kBase.left() + kBase.width() * progress, kBase.center().y()),
                        progress);
    }
    // Post: from the base upwards.
    progress = Smooth(StrokeProgress(1, time));
    if (progress > 0.0) {
        const double height = kPost.height() * progress;
        PaintBeam(painter, QRectF(kPost.left(), kPost.bottom() - height, kPost.width(), height), kWood);
        paintDrawingTip(painter, QPointF(kPost.center().x(), kPost.bottom() - height), progress);
    }
    // Top beam: from the post outwards.
    progress = Smooth(StrokeProgress(2, time));
    if (progress > 0.0) {
        PaintBeam(painter, QRectF(kTopBeam.topLeft(), QSizeF(kTopBeam.width() * progress, kTopBeam.height())),
                  kWood);
        paintDrawingTip(
            painter, QPointF(kTopBeam.left() + kTopBeam.width() * progress, kTopBeam.center().y()), progress);
    }
    // Brace: from the post up to the beam.
    progress = Smooth(StrokeProgress(3, time));
    if (progress > 0.0) {
        const QLineF brace(kBraceFoot, kBraceTop);
        painter.save();
        painter.translate(kBraceFoot);
        painter.rotate(-brace.angle());
        PaintBeam(painter, QRectF(0, -5, brace.length() * progress, 10), kWood.darker(110));
        painter.restore();
        paintDrawingTip(painter, brace.pointAt(progress), progress);
    }
    // Rope: down from the beam, then the noose closes.
    progress = StrokeProgress(4, time);
    if (progress > 0.0) {
        const double down = Smooth(Phase(progress, 0.0, 0.55));
        const double loop = Smooth(Phase(progress, 0.55, 1.0));
        const QPointF end(kRopeX, Mix(kRopeTop, kRopeBottom, down));
        painter.save();
        painter.setPen(QPen(kRope.darker(170), 5.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(kRopeX, kRopeTop), end);
        painter.setPen(QPen(kRope, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(kRopeX, kRopeTop), end);
        if (loop > 0.0) {
            QPainterPath noose;
            noose.arcMoveTo(kNoose, 90);
            noose.arcTo(kNoose, 90, 360 * loop);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(kRope.darker(170), 5.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(noose);
            painter.setPen(QPen(kRope, 3.2, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(noose);
        }
        painter.restore();
        paintDrawingTip(painter, loop > 0.0 ? QPointF(kRopeX, kRopeBottom) : end, progress);
    }
}

void paintFigure(QPainter& painter, double time)
{
    const int misses = int(MissedLetters(time).size());
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int part = 0; part < misses; ++part) {
        const double shown = EaseOut(Phase(time, MissTime(part), MissTime(part) + 0.3));
        painter.setOpacity(shown);
        painter.setPen(QPen(kCream, 4, Qt::SolidLine, Qt::RoundCap));
        if (part == 0) {
            painter.drawEllipse(kHead, kHeadRadius * shown, kHeadRadius * shown);
        } else {
            const double top = kHead.y() + kHeadRadius;
            painter.drawLine(QPointF(kRopeX, top), QPointF(kRopeX, Mix(top, kBodyBottom, shown)));
        }
    }
    painter.restore();
}

} // namespace

void PaintIntroGallows(QPainter& painter, double time)
{
    paintGallows(painter, time);
    paintFigure(painter, time);
}

} // namespace zub::mediagen
