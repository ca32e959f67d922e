#pragma once

#include "boardlayout.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace zub::artgen {

// The letter tiles and the New Word button on the wooden shelf at the bottom of the backdrop.

// The tile's body in backdrop pixels: one size for all, centred on the tile's click area, so the rows
// stand straight even where the used-tile pictures sit a pixel or two apart.
QRectF TileBody(const TileRule& tile);

// A blank tile with its shadow on the shelf.
void PaintTile(QPainter& painter, const QRectF& body);

// The tile's letter in `ink`, with a thin dark edge that is the same whatever the ink.
void PaintTileLetter(QPainter& painter, const QRectF& body, char letter, const QColor& ink);

// The New Word button filling `rect` (backdrop pixels), its lettering in `ink`.
void PaintNewWordButton(QPainter& painter, const QRectF& rect, const QColor& ink);

} // namespace zub::artgen
