#include "gameovermovie.h"

#include "easing.h"
#include "moviepaint.h"

#include <cmath>

namespace zub::mediagen {

namespace {

using namespace gameover;

using namespace gallows;

const QColor kFigure(226, 220, 204);

constexpr double kBeamBottom = kBeam.bottom();
constexpr double kTrapLeft = 166;
constexpr double kTrapRight = 202;
constexpr double kDrop = 24; // how far the figure falls when the trapdoor opens

void paintScene(QPainter& painter, double time)
{
    const QRectF all(QPointF(0, 0), QSizeF(kFrameSize));
    PaintNightSky(painter, all, kSkyTop, kSkyBottom, time, 40);
    painter.fillPath(Hills(), kHills);
    QLinearGradient grass(0, kGroundTop, 0, 250);
    grass.setColorAt(0.0, kGrassTop);
    grass.setColorAt(1.0, kGrassBottom);
    painter.fillRect(QRectF(0, kGroundTop, 270, 250 - kGroundTop), grass);
}

void paintGallows(QPainter& painter, double time)
{
    for (const double x : kLegLefts) {
        PaintBeam(painter, Leg(x), kDarkWood);
    }
    PaintBeam(painter, kPost, kWood);
    PaintBeam(painter, kBeam, kWood);
    painter.save();
    painter.translate(kBraceCentre);
    painter.rotate(kBraceAngle);
    PaintBeam(painter, kBraceTimber, kWood.darker(108));
    painter.restore();

    // The deck, with the trapdoor's two flaps swinging down from their hinges.
    const double open = EaseOut(Phase(time, kTrapdoorOpens, kTrapdoorOpen));
    PaintBeam(painter, QRectF(kDeck.left(), kDeckTop, kTrapLeft - kDeck.left(), kDeck.height()), kWood);
    PaintBeam(painter, QRectF(kTrapRight, kDeckTop, kDeck.right() - kTrapRight, kDeck.height()), kWood);
    if (open > 0.0) {
        painter.fillRect(QRectF(kTrapLeft, kDeckTop, kTrapRight - kTrapLeft, 11), QColor(8, 6, 6));
    }
    const double flapLength = (kTrapRight - kTrapLeft) / 2;
    const double swing = 88.0 * open;
    painter.save();
    painter.translate(kTrapLeft, kDeckTop);
    painter.rotate(swing);
    PaintBeam(painter, QRectF(0, 0, flapLength, 11), kWood.darker(112));
    painter.restore();
    painter.save();
    painter.translate(kTrapRight, kDeckTop);
    painter.rotate(-swing);
    PaintBeam(painter, QRectF(-flapLength, 0, flapLength, 11), kWood.darker(112));
    painter.restore();
}

// The figure and its rope, hanging from the beam; after the fall it swings and slowly settles.
void paintFigure(QPainter& painter, double time)
{
    const double fall = Phase(time, kTrapdoorOpens + 0.05, kTrapdoorOpen + 0.05);
    const double drop = kDrop * fall * fall;
    const double since = std::max(0.0, time - kTrapdoorOpen - 0.05);
    const double swing = since > 0.0 ? 6.0 * std::exp(-since * 0.9) * std::sin(since * 4.2) : 0.0;

    painter.save();
    painter.translate(kRopeX, kBeamBottom);
    painter.rotate(swing);
    painter.translate(-kRopeX, -kBeamBottom);

    const double neck = 128 + drop;
    // Slack before the fall, taut after it.
    QPainterPath rope;
    rope.moveTo(kRopeX, kBeamBottom - 2);
    const double slack = 7.0 * (1.0 - fall);
    // The rope runs down beside the head to the knot at the neck.
    rope.cubicTo(kRopeX + slack, 60, kRopeX + 12 - slack, 90, kRopeX + 12, neck - 6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRope.darker(170), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(rope);
    painter.setPen(QPen(kRope, 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(rope);

    // A pale stick figure, arms hanging and legs limp once it has fallen.
    painter.setPen(QPen(kFigure, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawEllipse(QPointF(kRopeX, neck - 14), 11, 12);
    const QPointF shoulders(kRopeX, neck + 6);
    const QPointF hips(kRopeX, neck + 44);
    painter.drawLine(QPointF(kRopeX, neck - 2), hips);
    painter.drawLine(shoulders, shoulders + QPointF(-14, 28));
    painter.drawLine(shoulders, shoulders + QPointF(14, 28));
    const double legSpread = Mix(10, 5, fall);
    painter.drawLine(hips, hips + QPointF(-legSpread, 38));
    painter.drawLine(hips, hips + QPointF(legSpread, 38));
    // The knot at the neck.
    painter.setPen(QPen(kRope, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kRopeX - 6, neck - 2), QPointF(kRopeX + 12, neck - 4));
    painter.restore();
}

void paintWords(QPainter& painter, double time)
{
    const struct
    {
        QString text;
        double start;
        QPointF centre;
    } words[] = {{QStringLiteral("GAME"), kWordsStart, QPointF(135, 96)},
                 {QStringLiteral("OVER"), kWordsStart + 0.2, QPointF(135, 154)}};
    const double pulse = 0.5 + 0.5 * std::sin((time - kWordsSettled) * 3.5);
    for (const auto& word : words) {
        const double landed = EaseOut(Phase(time, word.start, word.start + 0.5));
        if (landed <= 0.0) {
            continue;
        }
        QPainterPath letters = CentredText(word.text, LetteringFont(52), QPointF(0, 0));
        QTransform place;
        place.translate(word.centre.x(), word.centre.y());
        place.scale(Mix(2.2, 1.0, landed), Mix(2.2, 1.0, landed));
        letters = place.map(letters);
        painter.save();
        painter.setOpacity(landed);
        const double glow = time > kWordsSettled ? 0.6 + 0.4 * pulse : 1.0;
        PaintGlow(painter, letters, QColor(255, 60, 30, int(150 * glow)), 10);
        painter.setPen(QPen(QColor(40, 0, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(letters);
        QLinearGradient fill(0, word.centre.y() - 20, 0, word.centre.y() + 20);
        fill.setColorAt(0.0, kCream);
        fill.setColorAt(1.0, QColor(255, 170, 90));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(letters);
        painter.restore();
    }
}

} // namespace

QImage GameOverFrame(double time)
{
    QImage frame = NewFrame(kFrameSize);
    QPainter painter(&frame);
    PrepareMoviePainter(painter);
    const QRectF all(QPointF(0, 0), QSizeF(kFrameSize));
    // The fall shakes the picture for a moment.
    const double shake = Phase(time, kTrapdoorOpen, kTrapdoorOpen + 0.35);
    if (shake > 0.0 && shake < 1.0) {
        painter.translate(0, 2.5 * (1.0 - shake) * std::sin(time * 70.0));
    }
    paintScene(painter, time);
    paintGallows(painter, time);
    paintFigure(painter, time);
    painter.resetTransform();
    const double red = Smooth(Phase(time, kRedStart, kRedFull));
    if (red > 0.0) {
        painter.fillRect(all, QColor(150, 0, 0, int(150 * red)));
        PaintVignette(painter, all, 0.9 * red);
    }
    paintWords(painter, time);
    return frame;
}

} // namespace zub::mediagen
