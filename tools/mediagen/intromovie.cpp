#include "intromovie.h"

#include "easing.h"
#include "introgallows.h"
#include "introtimeline.h"
#include "moviepaint.h"

#include <QFontMetricsF>
#include <cmath>
#include <numbers>

namespace zub::mediagen {

namespace {

using namespace intro;

const QColor kSkyTop(6, 8, 20);
const QColor kSkyBottom(22, 28, 56);
const QColor kGround(13, 16, 28);
const QColor kMaroon(128, 0, 0);
const QColor kMiss(222, 84, 70);

// The word row, right of the gallows.
constexpr double kWordCentreX = 455;
constexpr double kSlotWidth = 34;
constexpr double kSlotGap = 8;
constexpr double kLetterY = 288;
constexpr double kDashY = 314;
const QPointF kGuessTile(kWordCentreX, 196);
constexpr double kMissesY = 372;

double slotCentre(int index)
{
    const double rowWidth = kWord.size() * kSlotWidth + (kWord.size() - 1) * kSlotGap;
    return kWordCentreX - rowWidth / 2 + kSlotWidth / 2 + index * (kSlotWidth + kSlotGap);
}

void paintBackground(QPainter& painter, double time)
{
    const QRectF all(QPointF(0, 0), QSizeF(kFrameSize));
    PaintNightSky(painter, all, kSkyTop, kSkyBottom, time, 70);
    QPainterPath hill;
    hill.moveTo(0, kFrameSize.height());
    hill.lineTo(0, kGroundLine + 8);
    hill.cubicTo(140, kGroundLine - 10, 330, kGroundLine + 6, 620, kGroundLine - 4);
    hill.lineTo(620, kFrameSize.height());
    painter.fillPath(hill, kGround);
}

void paintTitle(QPainter& painter, double time)
{
    const QFont font = LetteringFont(58);
    const QFontMetricsF metrics(font);
    QPainterPath whole;
    whole.addText(0, 0, font, kTitle);
    const QPointF shift = QPointF(310, 62) - whole.boundingRect().center();
    for (int i = 0; i < kTitle.size(); ++i) {
        const double shown = EaseOut(Phase(time, TitleLetterTime(i), TitleLetterTime(i) + kTitleLetterFade));
        if (shown <= 0.0 || kTitle.at(i).isSpace()) {
            continue;
        }
        QPainterPath letter;
        letter.addText(metrics.horizontalAdvance(kTitle.left(i)), 0, font, QString(kTitle.at(i)));
        letter.translate(shift + QPointF(0, -20 * (1.0 - shown)));
        painter.save();
        painter.setOpacity(shown);
        PaintGlow(painter, letter, QColor(kGold.red(), kGold.green(), kGold.blue(), 110), 10);
        painter.setPen(QPen(kMaroon, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(letter);
        QLinearGradient fill(0, 30, 0, 92);
        fill.setColorAt(0.0, kCream);
        fill.setColorAt(1.0, QColor(238, 196, 120));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(letter);
        painter.restore();
    }
}

void paintGuessTile(QPainter& painter, double time)
{
    for (const Guess& guess : kGuesses) {
        const double appear = EaseOut(Phase(time, guess.time - 0.5, guess.time - 0.3));
        const double vanish = Phase(time, guess.time + 0.2, guess.time + 0.4);
        if (appear <= 0.0 || vanish >= 1.0) {
            continue;
        }
        const double flash = Phase(time, guess.time, guess.time + 0.12) * (1.0 - vanish);
        const QColor verdict = InWord(guess.letter) ? QColor(70, 160, 90) : QColor(180, 44, 40);
        const double size = 56 * Mix(0.7, 1.0, appear);
        const QRectF tile(kGuessTile.x() - size / 2, kGuessTile.y() - size / 2, size, size);
        painter.save();
        painter.setOpacity(appear * (1.0 - vanish));
        const QColor face(int(Mix(60, verdict.red(), flash)), int(Mix(64, verdict.green(), flash)),
                          int(Mix(90, verdict.blue(), flash)));
        painter.setPen(QPen(flash > 0.0 ? kCream : QColor(150, 150, 180), 2.5));
        painter.setBrush(face);
        painter.drawRoundedRect(tile, 9, 9);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCream);
        painter.drawPath(
            CentredText(QString(QLatin1Char(guess.letter)), LetteringFont(34 * size / 56), kGuessTile));
        painter.restore();
    }
}

void paintWord(QPainter& painter, double time)
{
    const QFont font = LetteringFont(40);
    const double celebration = Phase(time, kWordComplete + 0.15, kWordComplete + 0.5);
    const double pulse = 0.5 + 0.5 * std::sin((time - kWordComplete) * 5.0);
    for (int i = 0; i < kWord.size(); ++i) {
        const double dash = Phase(time, kDashesStart + kDashStep * i, kDashesStart + kDashStep * i + 0.25);
        if (dash > 0.0) {
            painter.save();
            painter.setPen(QPen(QColor(200, 196, 186), 3, Qt::SolidLine, Qt::RoundCap));
            const double half = 15 * EaseOut(dash);
            painter.drawLine(QPointF(slotCentre(i) - half, kDashY), QPointF(slotCentre(i) + half, kDashY));
            painter.restore();
        }
        const double revealed = RevealTime(i);
        if (revealed < 0.0 || time < revealed) {
            continue;
        }
        const double pop = EaseOut(Phase(time, revealed, revealed + 0.25));
        QPainterPath letter = CentredText(kWord.mid(i, 1), font, QPointF(0, 0));
        QTransform place;
        place.translate(slotCentre(i), kLetterY);
        place.scale(Mix(1.6, 1.0, pop), Mix(1.6, 1.0, pop));
        letter = place.map(letter);
        const double glow =
            std::max(1.0 - Phase(time, revealed, revealed + 0.8), celebration * (0.5 + 0.5 * pulse));
        if (glow > 0.0) {
            PaintGlow(painter, letter, QColor(kGold.red(), kGold.green(), kGold.blue(), int(200 * glow)), 9);
        }
        painter.save();
        painter.setPen(QPen(QColor(40, 12, 8), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(celebration > 0.0 ? QColor(255, 226, 150) : kCream);
        painter.drawPath(letter);
        painter.restore();
    }
}

void paintMisses(QPainter& painter, double time)
{
    const double label = Phase(time, kDashesStart, kDashesStart + 0.5);
    if (label <= 0.0) {
        return;
    }
    painter.save();
    painter.setOpacity(label);
    painter.setFont(LetteringFont(15));
    painter.setPen(QColor(150, 150, 176));
    painter.drawText(QPointF(318, kMissesY + 6), QStringLiteral("MISSES"));
    const QString missed = MissedLetters(time);
    for (int i = 0; i < missed.size(); ++i) {
        const double shown = EaseOut(Phase(time, MissTime(i), MissTime(i) + 0.25));
        painter.setOpacity(label * shown);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMiss);
        painter.drawPath(CentredText(missed.mid(i, 1), LetteringFont(26 * Mix(1.5, 1.0, shown)),
                                     QPointF(412 + 32 * i, kMissesY)));
    }
    painter.restore();
}

// Sparks that burst from the word when its last letter is found.
void paintSparks(QPainter& painter, double time)
{
    const double age = time - kWordComplete - 0.1;
    constexpr double kLife = 1.6;
    if (age <= 0.0 || age >= kLife) {
        return;
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    constexpr int kSparks = 28;
    for (int i = 0; i < kSparks; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kSparks + 0.3 * std::sin(i * 1.7);
        const double speed = 90 + 50 * (0.5 + 0.5 * std::sin(i * 2.3));
        const double distance = speed * EaseOut(age / kLife);
        const QPointF at(kWordCentreX + std::cos(angle) * distance * 1.4,
                         kLetterY + std::sin(angle) * distance);
        painter.setBrush(QColor(255, 220, 120, int(255 * (1.0 - age / kLife))));
        painter.drawEllipse(at, 2.2, 2.2);
    }
    painter.restore();
}

void paintCard(QPainter& painter, double time)
{
    const double shown = Smooth(Phase(time, kCardFadeIn.start, kCardFadeIn.end));
    if (shown <= 0.0) {
        return;
    }
    painter.save();
    painter.setOpacity(shown);
    QRadialGradient warmth(QPointF(310, 240), 300);
    warmth.setColorAt(0.0, QColor(60, 8, 10));
    warmth.setColorAt(1.0, QColor(0, 0, 0));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(kFrameSize)), warmth);
    const QPainterPath title = CentredText(kTitle, LetteringFont(54), QPointF(310, 206));
    PaintGlow(painter, title, QColor(255, 170, 60, 110), 12);
    painter.setPen(QPen(kMaroon, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(title);
    QLinearGradient fill(0, 180, 0, 232);
    fill.setColorAt(0.0, kCream);
    fill.setColorAt(1.0, QColor(238, 196, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(title);
    painter.setPen(QPen(QColor(170, 40, 36), 2));
    painter.drawLine(QPointF(190, 248), QPointF(430, 248));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(222, 214, 198));
    painter.drawPath(CentredText(kCardVersion, LetteringFont(30), QPointF(310, 286)));
    painter.restore();
}

} // namespace

QImage IntroFrame(double time)
{
    QImage frame = NewFrame(kFrameSize);
    QPainter painter(&frame);
    PrepareMoviePainter(painter);
    const QRectF all(QPointF(0, 0), QSizeF(kFrameSize));
    // The opening fades in from black.
    const double opening = Smooth(Phase(time, 0.0, 0.8));
    painter.setOpacity(opening);
    paintBackground(painter, time);
    PaintIntroGallows(painter, time);
    paintTitle(painter, time);
    paintGuessTile(painter, time);
    paintWord(painter, time);
    paintMisses(painter, time);
    paintSparks(painter, time);
    painter.setOpacity(1.0);
    PaintVignette(painter, all, 0.7);
    const double fade = Smooth(Phase(time, kFadeOut.start, kFadeOut.end));
    if (fade > 0.0) {
        painter.fillRect(all, QColor(0, 0, 0, int(255 * fade)));
    }
    paintCard(painter, time);
    return frame;
}

} // namespace zub::mediagen
