#include "panelpictures.h"

#include "bannerpicture.h"
#include "paintkit.h"

#include <QPainterPath>
#include <QtMath>

namespace zub::artgen {

namespace {

const QColor kOutline(50, 16, 4);
const QColor kCream(250, 240, 214);

QBrush goldFill(const QRectF& rect)
{
    return VerticalGradient(rect, {QColor(255, 248, 200), QColor(250, 204, 70), QColor(186, 118, 24)});
}

// A night background with stars and a thin gold border, in the panel's on-screen size `shown`.
void paintNightCard(QPainter& painter, QSizeF shown, quint32 seed)
{
    const QRectF all(QPointF(0, 0), shown);
    painter.fillRect(all,
                     VerticalGradient(all, {QColor(12, 18, 52), QColor(26, 36, 86), QColor(44, 52, 104)}));
    PaintStars(painter, all, qRound(shown.width() * shown.height() / 900), seed);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 180, 80), 1.5));
    painter.drawRoundedRect(all.adjusted(4, 4, -4, -4), 5, 5);
    painter.setPen(QPen(QColor(230, 180, 80, 110), 0.8));
    painter.drawRoundedRect(all.adjusted(7, 7, -7, -7), 3, 3);
}

void paintTitleText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box)
{
    const QPainterPath path = TextPath(text, font, box, Qt::AlignCenter);
    DrawGlow(painter, path, QColor(255, 190, 80, 120), 5);
    DrawOutlined(painter, path, goldFill(path.boundingRect()), kOutline, 1.4);
}

void paintPlainText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box)
{
    const QPainterPath path = TextPath(text, font, box, Qt::AlignCenter);
    DrawOutlined(painter, path, kCream, QColor(10, 12, 30), 1.0);
}

// Scales the painter so drawing in the on-screen size `shown` fills a picture of `stored` size.
void paintAsShown(QPainter& painter, QSize stored, QSizeF shown)
{
    painter.scale(stored.width() / shown.width(), stored.height() / shown.height());
}

// A burst of short gold rays around `centre`, like a small firework.
void paintBurst(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        const QPointF dir(qCos(a), qSin(a));
        painter.drawLine(centre + dir * radius * 0.45, centre + dir * radius);
    }
    painter.restore();
}

// A small gallows with its noose, for the about box.
void paintLittleGallows(QPainter& painter, const QRectF& box)
{
    const QColor wood(150, 100, 54);
    const QColor edge(40, 22, 8);
    painter.save();
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(wood);
    painter.drawRect(QRectF(box.left(), box.bottom() - 5, box.width(), 5));
    painter.drawRect(QRectF(box.left() + 8, box.top(), 5, box.height() - 5));
    painter.drawRect(QRectF(box.left() + 4, box.top(), box.width() * 0.75, 5));
    QPainterPath brace;
    brace.moveTo(box.left() + 13, box.top() + 20);
    brace.lineTo(box.left() + 28, box.top() + 5);
    painter.setPen(QPen(edge, 4.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(brace);
    painter.setPen(QPen(wood, 2.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(brace);
    const qreal ropeX = box.left() + box.width() * 0.68;
    painter.setPen(QPen(QColor(220, 190, 126), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(ropeX, box.top() + 5), QPointF(ropeX, box.top() + 18));
    painter.drawEllipse(QPointF(ropeX, box.top() + 24), 4.5, 6);
    painter.restore();
}

} // namespace

QImage PaintNameEntry()
{
    const QSizeF shown(331, 181);
    QImage picture(kNameEntrySize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintAsShown(painter, kNameEntrySize, shown);
    paintNightCard(painter, shown, 31);
    paintTitleText(painter, QStringLiteral("NEW HIGH SCORE!"), ArtFont(Typeface::Serif, 23, true),
                   QRectF(10, 7, 311, 22));
    paintPlainText(painter, QStringLiteral("Enter your name"), ArtFont(Typeface::Sans, 12, true),
                   QRectF(10, 34, 311, 11));
    // The name field lies at 27, 55 (269 x 37) over the picture: a dark recess frames it.
    painter.setPen(QPen(QColor(230, 180, 80), 1.2));
    painter.setBrush(QColor(6, 8, 24));
    painter.drawRoundedRect(QRectF(22.5, 51.5, 278, 45), 4, 4);
    // The OK button lies at 122, 136 and runs off the bottom: stars keep it company.
    const QBrush gold = goldFill(QRectF(0, 130, 1, 30));
    for (const QPointF at : {QPointF(70, 150), QPointF(261, 150)}) {
        DrawOutlined(painter, StarPath(at, 11), gold, kOutline, 1.0);
    }
    for (const QPointF at : {QPointF(44, 140), QPointF(287, 140)}) {
        DrawOutlined(painter, StarPath(at, 6), gold, kOutline, 0.8);
    }
    return picture;
}

QImage PaintWellDone()
{
    const QSizeF shown(316, 116);
    QImage picture(kWellDoneSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintAsShown(painter, kWellDoneSize, shown);
    paintNightCard(painter, shown, 41);
    paintBurst(painter, QPointF(24, 26), 10, QColor(255, 210, 90));
    paintBurst(painter, QPointF(292, 24), 9, QColor(120, 220, 255));
    paintBurst(painter, QPointF(288, 88), 11, QColor(255, 130, 150));
    paintBurst(painter, QPointF(28, 88), 9, QColor(150, 240, 140));
    paintTitleText(painter, QStringLiteral("WELL DONE!"), ArtFont(Typeface::Serif, 36, true),
                   QRectF(40, 14, 236, 50));
    paintPlainText(painter, QStringLiteral("You found the word"), ArtFont(Typeface::Sans, 14, true),
                   QRectF(40, 76, 236, 16));
    return picture;
}

QImage PaintAbout()
{
    QImage picture(kAboutSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintNightCard(painter, QSizeF(kAboutSize), 51);
    PaintMoon(painter, QPointF(266, 30), 11, true);
    paintTitleText(painter, QStringLiteral("Zub Hangman"), ArtFont(Typeface::Serif, 30, true),
                   QRectF(20, 16, 260, 32));
    paintPlainText(painter, QStringLiteral("Version 1.2"), ArtFont(Typeface::Sans, 14, true),
                   QRectF(20, 56, 260, 14));
    painter.setPen(QPen(QColor(230, 180, 80, 180), 1.0));
    painter.drawLine(QPointF(30, 84), QPointF(270, 84));
    paintLittleGallows(painter, QRectF(24, 98, 44, 54));
    const QFont line = ArtFont(Typeface::Sans, 13, false);
    paintPlainText(painter, QStringLiteral("Guess the word before"), line, QRectF(76, 106, 200, 15));
    paintPlainText(painter, QStringLiteral("the hangman is complete."), line, QRectF(76, 126, 200, 15));
    const QFont small = ArtFont(Typeface::Sans, 11, false);
    paintPlainText(painter, QStringLiteral("Pictures, words and sounds"), small, QRectF(20, 164, 260, 13));
    paintPlainText(painter, QStringLiteral("made for this game."), small, QRectF(20, 180, 260, 13));
    return picture;
}

} // namespace zub::artgen
