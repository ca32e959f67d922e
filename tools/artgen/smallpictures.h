#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>

namespace zub::artgen {

// The small pictures: the OK buttons' glyph, the intro's skip picture and the window icon.

inline constexpr QSize kGlyphSize(36, 18);
inline constexpr QSize kSkipSize(74, 75);
inline constexpr QSize kIconSize(32, 32);

// The 16 colours of the glyph; entry 0 is its background, which is also its bottom-left pixel, the
// colour a button leaves transparent.
QList<QRgb> GlyphColours();

// Two 18 x 18 images side by side: a green check mark, and the same mark greyed out and embossed for a
// disabled button. Already mapped onto GlyphColours().
QImage PaintGlyph();

// The colour of the skip picture's background: its bottom-left pixel, drawn transparently.
inline constexpr QRgb kSkipTransparent = 0xFF000000; // black, like the intro window behind it

// A white double "fast forward" triangle on a round red button, on the transparent colour.
QImage PaintSkip();

// The 16 colours of the icon; entry 0 is fully transparent (masked out, stored black).
QList<QRgb> IconColours();

// A small gallows with its noose under a crescent moon, on a rounded night-blue square. Already mapped
// onto IconColours(), transparent outside the square.
QImage PaintIcon();

} // namespace zub::artgen
