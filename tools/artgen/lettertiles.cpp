#include "lettertiles.h"

#include "bannerpicture.h"
#include "paintkit.h"

#include <QPainterPath>

namespace zub::artgen {

namespace {

constexpr qreal kTileWidth = 72;
constexpr qreal kTileHeight = 34;
constexpr qreal kCorner = 6;
const QColor kTileLight(250, 232, 190);
const QColor kTileDark(214, 172, 104);
const QColor kTileEdge(92, 56, 24);
const QColor kLetterEdge(70, 30, 14);

void paintShadow(QPainter& painter, const QRectF& body, qreal corner)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) { // a soft shadow falling down and to the right
        painter.setBrush(QColor(0, 0, 0, 38));
        painter.drawRoundedRect(
            body.translated(1.0 + 0.6 * i, 1.5 + 0.8 * i).adjusted(-i * 0.5, -i * 0.5, i * 0.5, i * 0.5),
            corner + i, corner + i);
    }
    painter.restore();
}

void paintRaisedFace(QPainter& painter, const QRectF& body, qreal corner, const QColor& light,
                     const QColor& dark, const QColor& edge)
{
    QPainterPath face;
    face.addRoundedRect(body, corner, corner);
    DrawOutlined(painter, face, VerticalGradient(body, {light, dark}), edge, 0.8);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2)); // light catching the top edge
    painter.drawRoundedRect(body.adjusted(1.6, 1.6, -1.6, -1.6), corner - 1.5, corner - 1.5);
    painter.restore();
}

} // namespace

QRectF TileBody(const TileRule& tile)
{
    const QRect click = OnBackdrop(tile.ButtonArea);
    const qreal centreX = qRound(click.left() + click.width() / 2.0);
    const qreal centreY = click.top() + 15;
    return {centreX - kTileWidth / 2, centreY - kTileHeight / 2, kTileWidth, kTileHeight};
}

void PaintTile(QPainter& painter, const QRectF& body)
{
    paintShadow(painter, body, kCorner);
    paintRaisedFace(painter, body, kCorner, kTileLight, kTileDark, kTileEdge);
}

void PaintTileLetter(QPainter& painter, const QRectF& body, char letter, const QColor& ink)
{
    const QFont font = ArtFont(Typeface::Sans, 25, true);
    const QPainterPath glyph = TextPath(QString(QChar::fromLatin1(letter)), font, body, Qt::AlignCenter);
    painter.fillPath(glyph.translated(0.8, 1.2), QColor(120, 70, 30, 110)); // pressed into the wood
    DrawOutlined(painter, glyph, ink, kLetterEdge, 0.7);
}

void PaintNewWordButton(QPainter& painter, const QRectF& rect, const QColor& ink)
{
    const QRectF body = rect.adjusted(4, 4, -4, -5);
    paintShadow(painter, body, 10);
    QPainterPath frame;
    frame.addRoundedRect(body, 10, 10);
    DrawOutlined(painter, frame, VerticalGradient(body, {QColor(150, 40, 34), QColor(92, 16, 16)}),
                 QColor(50, 10, 8), 0.9);
    paintRaisedFace(painter, body.adjusted(5, 5, -5, -5), 6, kTileLight, kTileDark, kTileEdge);

    const QFont font = ArtFont(Typeface::Sans, 27, true);
    const QPainterPath words = TextPath(QStringLiteral("NEW WORD"), font, body, Qt::AlignCenter);
    painter.fillPath(words.translated(0.8, 1.2), QColor(120, 70, 30, 110));
    DrawOutlined(painter, words, ink, kLetterEdge, 0.7);
    const QRectF lettering = words.boundingRect();
    const QBrush gold(VerticalGradient(body, {QColor(255, 240, 160), QColor(214, 150, 40)}));
    for (const qreal x : {lettering.left() - 26, lettering.right() + 26}) {
        DrawOutlined(painter, StarPath(QPointF(x, body.center().y()), 8), gold, QColor(90, 50, 10), 0.8);
    }
}

} // namespace zub::artgen
