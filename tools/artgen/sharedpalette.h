#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace zub::artgen {

// The one colour table that all stage pictures and the high-score banner share.

inline constexpr int kSharedPaletteSize = 256;
inline constexpr int kStaticColoursAtEachEnd = 10;

// The twenty colours the window system always keeps: the first ten belong at entries 0..9, the last ten
// at entries 246..255.
QList<QRgb> StaticSystemColours();

// A 256-entry table: the static colours at both ends and 236 middle entries chosen for `pictures` by
// median cut over their colours (colours the static ones already cover take no middle entry). Always
// the same table for the same pictures.
QList<QRgb> BuildSharedPalette(const QList<QImage>& pictures);

} // namespace zub::artgen
