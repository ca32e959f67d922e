#pragma once

#include <QByteArray>
#include <QImage>

namespace zub::artgen {

// Writers for the uncompressed bitmap layouts the game reads: bottom-up rows padded to 4 bytes.

// The information header in front of every picture, in bitmap and icon files alike.
constexpr int kInfoHeaderBytes = 40;

// Bytes in one stored row of `width` pixels at `bitsPerPixel`, padded to a multiple of 4.
int StoredRowBytes(int width, int bitsPerPixel);

// The pixel rows of a picture of at most 16 colours, bottom-up, two pixels a byte (left pixel in the high
// nibble), each row padded to 4 bytes.
QByteArray PackBottomUpRows4(const QImage& indexed);

// A bitmap resource as the game carries it: a 40-byte information header (image size filled in), a
// 256-entry colour table of blue, green, red, 0 and one byte per pixel, with no file header.
// `indexed` must be Format_Indexed8 with exactly 256 colours.
QByteArray EncodeDib8(const QImage& indexed);

// The bitmap resource `dib` with a 14-byte file header in front, its pixel offset taken from the
// resource's own header: a BMP file any picture reader opens.
QByteArray DibAsBmpFile(const QByteArray& dib);

// A complete 24-bit BMP file (14-byte file header, 40-byte information header, no colour table).
QByteArray EncodeBmp24(const QImage& picture);

// A complete 4-bit BMP file with a 16-entry colour table; `indexed` is Format_Indexed8 with at most 16
// colours (the table is padded with black).
QByteArray EncodeBmp4(const QImage& indexed);

} // namespace zub::artgen
