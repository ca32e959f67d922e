#include "boardpicture.h"

#include "boardlayout.h"
#include "landscape.h"
#include "lettertiles.h"
#include "paintkit.h"

#include <QPainterPath>

namespace zub::artgen {

namespace {

constexpr qreal kShelfTop = 500;
const QColor kBoardWood(120, 78, 42);
const QColor kShelfWood(84, 50, 26);
const QColor kGold(246, 200, 80);
const QColor kEngraving(52, 28, 10);

// Translucent dark around a control's place on a board, so the control sits in a recess.
void paintRecess(QPainter& painter, const QRect& control)
{
    const QRectF rim = QRectF(control).adjusted(-3, -3, 3, 3);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 16, 6));
    painter.drawRoundedRect(rim, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 225, 170, 90), 1)); // light on the lower edge of the recess
    painter.drawLine(rim.bottomLeft() + QPointF(2, 0.5), rim.bottomRight() + QPointF(-2, 0.5));
    painter.restore();
}

void paintEngravedLabel(QPainter& painter, const QString& text, const QRectF& box, qreal size)
{
    const QPainterPath path = TextPath(text, ArtFont(Typeface::Serif, size, true), box, Qt::AlignCenter);
    painter.fillPath(path.translated(1, 1.5), QColor(0, 0, 0, 120));
    DrawOutlined(painter, path,
                 VerticalGradient(path.boundingRect(), {QColor(255, 240, 170), kGold, QColor(190, 130, 30)}),
                 kEngraving, 1.1);
}

void paintSky(QPainter& painter)
{
    const QRectF all(QPointF(0, 0), QSizeF(kBackdropSize));
    painter.fillRect(all, VerticalGradient(all, {QColor(6, 9, 30), QColor(16, 24, 66), QColor(40, 52, 104),
                                                 QColor(64, 70, 120)}));
    PaintStars(painter, QRectF(0, 0, 950, 420), 230, 2024);
    PaintMoon(painter, QPointF(470, 168), 34, false);
    PaintClouds(painter, QRectF(330, 110, 280, 160), 8);
}

void paintTitle(QPainter& painter)
{
    const QRectF box(318, 6, 296, 70);
    const QPainterPath zub = TextPath(QStringLiteral("Z U B"), ArtFont(Typeface::Serif, 18, true),
                                      QRectF(box.left(), box.top() + 2, box.width(), 18), Qt::AlignCenter);
    const QPainterPath hangman =
        TextPath(QStringLiteral("HANGMAN"), ArtFont(Typeface::Serif, 46, true),
                 QRectF(box.left(), box.top() + 24, box.width(), 44), Qt::AlignCenter);
    QPainterPath both = zub;
    both.addPath(hangman);
    DrawGlow(painter, both, QColor(255, 190, 80, 110), 7);
    const QBrush gold(VerticalGradient(hangman.boundingRect(),
                                       {QColor(255, 248, 200), QColor(250, 204, 70), QColor(188, 118, 24)}));
    DrawOutlined(painter, zub, QColor(255, 236, 170), QColor(60, 20, 6), 1.2);
    DrawOutlined(painter, hangman, gold, QColor(60, 20, 6), 1.6);
    // A thin rule either side of "Z U B".
    painter.setPen(QPen(QColor(250, 210, 120, 200), 1.2));
    const QRectF z = zub.boundingRect();
    painter.drawLine(QPointF(z.left() - 62, z.center().y()), QPointF(z.left() - 10, z.center().y()));
    painter.drawLine(QPointF(z.right() + 10, z.center().y()), QPointF(z.right() + 62, z.center().y()));
}

void paintNail(QPainter& painter, QPointF at)
{
    PaintRivet(painter, at, 2.6, QColor(30, 20, 10), QColor(170, 160, 150));
}

// A wooden board with a shadow behind it and a nail in each corner.
void paintBoardPiece(QPainter& painter, const QRectF& rect, quint32 seed)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(rect.translated(3, 4), 8, 8);
    painter.restore();
    PaintWood(painter, rect, kBoardWood, seed, 8);
    const QRectF nails = rect.adjusted(9, 9, -9, -9);
    for (const QPointF nail : {nails.topLeft(), nails.topRight(), nails.bottomLeft(), nails.bottomRight()}) {
        paintNail(painter, nail);
    }
}

// The board on the left with the score and the gallows, and in front of its foot the word row.
void paintGameBoard(QPainter& painter)
{
    paintBoardPiece(painter, QRectF(13, 9, 301, 324), 77);
    paintRecess(painter, OnBackdrop(kGallowsPicture));
    paintRecess(painter, OnBackdrop(kScorePanel));
    const QRect score = OnBackdrop(kScorePanel);
    paintEngravedLabel(painter, QStringLiteral("SCORE"),
                       QRectF(22, score.top(), score.left() - 28, score.height()), 24);

    paintBoardPiece(painter, QRectF(17, 322, 474, 132), 79);
    paintRecess(painter, OnBackdrop(kWordPanel));
}

// The board on the right: the best score at the top, the switch below, a lantern beside it.
void paintMeterBoard(QPainter& painter)
{
    const QRectF plaque(614, 40, 326, 210);
    paintBoardPiece(painter, plaque, 78);
    const QRect best = OnBackdrop(kBestScorePanel);
    paintRecess(painter, best);
    paintRecess(painter, OnBackdrop(kSwitchPicture));
    paintEngravedLabel(painter, QStringLiteral("BEST"),
                       QRectF(plaque.left() + 6, best.top(), best.left() - plaque.left() - 12, best.height()),
                       24);
    PaintLantern(painter, QPointF(plaque.left() + 44, 104), 96);
}

void paintShelf(QPainter& painter)
{
    const QRectF shelf(0, kShelfTop, 950, 650 - kShelfTop);
    PaintWood(painter, shelf, kShelfWood, 99);
    painter.fillRect(
        QRectF(0, kShelfTop - 6, 950, 8),
        VerticalGradient(QRectF(0, kShelfTop - 6, 950, 8), {QColor(170, 116, 64), QColor(90, 54, 26)}));
    painter.setPen(QPen(QColor(30, 16, 6), 1.5));
    painter.drawLine(QPointF(0, kShelfTop + 2), QPointF(950, kShelfTop + 2));
}

} // namespace

QImage PaintBoard(const QColor& letterInk, const QColor& newWordInk)
{
    QImage picture(kBackdropSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    PrepareArtPainter(painter);
    paintSky(painter);
    PaintLandscape(painter, kBackdropSize.width(), 330, kShelfTop);
    paintTitle(painter);
    paintGameBoard(painter);
    paintMeterBoard(painter);
    paintShelf(painter);
    for (const TileRule& tile : kTiles) {
        PaintTile(painter, TileBody(tile));
        PaintTileLetter(painter, TileBody(tile), tile.Letter, letterInk);
    }
    PaintNewWordButton(painter, OnBackdrop(kNewWordPicture), newWordInk);
    return picture;
}

} // namespace zub::artgen
