#include "switchpicture.h"

#include "gallowspicture.h"
#include "paintkit.h"

#include <QPainterPath>
#include <QtMath>
#include <stdexcept>

namespace zub::artgen {

namespace {

const QPointF kPivot(107.5, 116);
constexpr qreal kFaceRadius = 97;
constexpr qreal kLampRadius = 85;
constexpr qreal kBandInner = 58;
constexpr qreal kBandOuter = 72;
constexpr qreal kLeverLength = 66;

QPointF onDial(qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return kPivot + QPointF(radius * qCos(a), -radius * qSin(a));
}

// The colour of the dial at `degrees`: red at the right end, yellow at the top, green at the left.
QColor dialColour(qreal degrees)
{
    const qreal t = std::clamp(degrees / 180.0, 0.0, 1.0); // 1 at the left end
    return QColor::fromHsvF(static_cast<float>(0.33 * t), 0.9F, 0.95F);
}

void paintPlate(QPainter& painter)
{
    const QRectF all(QPointF(0, 0), QSizeF(kSwitchSize));
    painter.fillRect(all,
                     VerticalGradient(all, {QColor(78, 86, 100), QColor(44, 50, 60), QColor(30, 34, 42)}));
    painter.setPen(QPen(QColor(130, 138, 152), 1));
    painter.drawLine(QPointF(0.5, 0.5), QPointF(214.5, 0.5));
    painter.drawLine(QPointF(0.5, 0.5), QPointF(0.5, 139.5));
    painter.setPen(QPen(QColor(12, 14, 18), 1));
    painter.drawLine(QPointF(0.5, 139.5), QPointF(214.5, 139.5));
    painter.drawLine(QPointF(214.5, 0.5), QPointF(214.5, 139.5));
    for (const QPointF rivet : {QPointF(8, 8), QPointF(207, 8), QPointF(8, 132), QPointF(207, 132)}) {
        QRadialGradient head(rivet - QPointF(1, 1), 3.5);
        head.setColorAt(0, QColor(220, 224, 230));
        head.setColorAt(1, QColor(80, 86, 96));
        painter.setPen(QPen(QColor(20, 22, 26), 0.8));
        painter.setBrush(head);
        painter.drawEllipse(rivet, 2.8, 2.8);
    }
}

void paintFace(QPainter& painter)
{
    QPainterPath face;
    face.moveTo(kPivot + QPointF(kFaceRadius, 0));
    face.arcTo(QRectF(kPivot.x() - kFaceRadius, kPivot.y() - kFaceRadius, 2 * kFaceRadius, 2 * kFaceRadius),
               0, 180);
    face.closeSubpath();
    QRadialGradient paper(kPivot - QPointF(0, 40), 110);
    paper.setColorAt(0, QColor(250, 244, 224));
    paper.setColorAt(1, QColor(214, 202, 168));
    DrawOutlined(painter, face, paper, QColor(24, 26, 32), 2.2);

    QPainterPath band; // the coloured scale from green to red
    const QRectF outer(kPivot.x() - kBandOuter, kPivot.y() - kBandOuter, 2 * kBandOuter, 2 * kBandOuter);
    const QRectF inner(kPivot.x() - kBandInner, kPivot.y() - kBandInner, 2 * kBandInner, 2 * kBandInner);
    band.moveTo(kPivot + QPointF(kBandOuter, 0));
    band.arcTo(outer, 0, 180);
    band.arcTo(inner, 180, -180);
    band.closeSubpath();
    QConicalGradient scale(kPivot, 0);
    for (int i = 0; i <= 10; ++i) {
        scale.setColorAt(i / 20.0, dialColour(18.0 * i));
    }
    scale.setColorAt(1.0, dialColour(0));
    DrawOutlined(painter, band, scale, QColor(60, 50, 40), 0.8);

    for (int stage = 1; stage <= kStageCount; ++stage) { // ticks across the band
        const qreal angle = LeverAngle(stage);
        painter.setPen(QPen(QColor(40, 34, 28), stage % 5 == 1 ? 2.2 : 1.4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(onDial(kBandInner - 5, angle), onDial(kBandOuter + 3, angle));
    }
}

void paintLamps(QPainter& painter, int stage)
{
    for (int lamp = 1; lamp <= kStageCount; ++lamp) {
        const qreal angle = LeverAngle(lamp);
        const QPointF at = onDial(kLampRadius, angle);
        const QColor colour = dialColour(angle);
        const bool lit = lamp <= stage;
        if (lit) {
            QPainterPath halo;
            halo.addEllipse(at, 5, 5);
            DrawGlow(painter, halo, QColor(colour.red(), colour.green(), colour.blue(), 150), 3);
        }
        QRadialGradient glass(at - QPointF(1.3, 1.3), 5.5);
        glass.setColorAt(0, lit ? colour.lighter(170) : QColor(120, 116, 104));
        glass.setColorAt(1, lit ? colour : QColor(58, 56, 52));
        painter.setPen(QPen(QColor(24, 24, 28), 1.0));
        painter.setBrush(glass);
        painter.drawEllipse(at, 4.6, 4.6);
    }
}

void paintLever(QPainter& painter, int stage)
{
    const qreal angle = LeverAngle(stage);
    painter.save();
    painter.translate(kPivot);
    painter.rotate(-angle);
    QPainterPath shaft;
    shaft.moveTo(0, -4.2);
    shaft.lineTo(kLeverLength, -2.4);
    shaft.lineTo(kLeverLength, 2.4);
    shaft.lineTo(0, 4.2);
    shaft.closeSubpath();
    painter.fillPath(shaft.translated(2.5, 2.5), QColor(0, 0, 0, 70)); // shadow on the dial
    QLinearGradient steel(0, -4, 0, 4);
    steel.setColorAt(0, QColor(210, 214, 222));
    steel.setColorAt(0.5, QColor(140, 146, 156));
    steel.setColorAt(1, QColor(70, 74, 82));
    DrawOutlined(painter, shaft, steel, QColor(20, 22, 26), 0.9);

    const QPointF knob(kLeverLength, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(knob + QPointF(2.5, 2.5), 8, 8);
    QRadialGradient ball(knob + QPointF(-2.5, -2.5), 9);
    ball.setColorAt(0, QColor(255, 150, 140));
    ball.setColorAt(0.5, QColor(200, 20, 24));
    ball.setColorAt(1, QColor(96, 6, 10));
    painter.setPen(QPen(QColor(40, 4, 6), 1.0));
    painter.setBrush(ball);
    painter.drawEllipse(knob, 8, 8);
    painter.restore();

    QRadialGradient cap(kPivot - QPointF(3, 3), 12);
    cap.setColorAt(0, QColor(236, 238, 242));
    cap.setColorAt(1, QColor(70, 74, 84));
    painter.setPen(QPen(QColor(18, 20, 24), 1.2));
    painter.setBrush(cap);
    painter.drawEllipse(kPivot, 10, 10);
    painter.setPen(QPen(QColor(40, 42, 48), 1.6));
    painter.drawLine(kPivot + QPointF(-5, 3), kPivot + QPointF(5, -3)); // the screw's slot
}

void paintLabels(QPainter& painter)
{
    const QFont font = ArtFont(Typeface::Sans, 11, true);
    DrawOutlined(painter, TextPath(QStringLiteral("SAFE"), font, QRectF(12.5, 124, 60, 12), Qt::AlignCenter),
                 QColor(90, 220, 90), QColor(10, 30, 10), 1.2);
    DrawOutlined(painter,
                 TextPath(QStringLiteral("DANGER"), font, QRectF(142.5, 124, 60, 12), Qt::AlignCenter),
                 QColor(250, 70, 60), QColor(40, 6, 6), 1.2);
}

} // namespace

qreal LeverAngle(int stage)
{
    return 180.0 - 18.0 * (stage - 1);
}

QImage PaintSwitch(int stage)
{
    if (stage < 1 || stage > kStageCount) {
        throw std::out_of_range("switch stage out of range: " + std::to_string(stage));
    }
    QImage picture(kSwitchSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintPlate(painter);
    paintFace(painter);
    paintLamps(painter, stage);
    paintLabels(painter);
    paintLever(painter, stage);
    return picture;
}

} // namespace zub::artgen
