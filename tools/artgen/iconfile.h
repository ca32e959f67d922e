#pragma once

#include <QByteArray>
#include <QImage>

namespace zub::artgen {

// Writes an icon file holding one 16-colour image.
//
// `indexed` is Format_Indexed8 with at most 16 colours. A pixel whose colour-table entry is fully
// transparent is masked out (AND bit set) and stored as colour 0, so entry 0 should be black; every
// other pixel is opaque. Layout: 6-byte header, one 16-byte directory entry, a 40-byte information header
// with doubled height, the 16-entry colour table, the 4-bit colour rows and the 1-bit mask rows.
QByteArray EncodeIcon4(const QImage& indexed);

} // namespace zub::artgen
