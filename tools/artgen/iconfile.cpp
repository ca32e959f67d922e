#include "iconfile.h"

#include "bitmapfiles.h"
#include "bytewriter.h"

#include <stdexcept>

namespace zub::artgen {

namespace {

constexpr int kIconHeaderBytes = 6;
constexpr int kDirectoryEntryBytes = 16;
constexpr int kTableEntries = 16;

bool isMasked(const QImage& indexed, int x, int y)
{
    return qAlpha(indexed.color(indexed.pixelIndex(x, y))) == 0;
}

// Masked pixels are stored as colour 0, so they draw nothing when XORed onto the screen.
QByteArray colourRows(const QImage& indexed)
{
    QImage stored = indexed.copy();
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            if (isMasked(indexed, x, y)) {
                stored.setPixel(x, y, 0);
            }
        }
    }
    return PackBottomUpRows4(stored);
}

QByteArray maskRows(const QImage& indexed)
{
    QByteArray rows;
    const int rowBytes = StoredRowBytes(indexed.width(), 1);
    for (int y = indexed.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            if (isMasked(indexed, x, y)) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        rows.append(row);
    }
    return rows;
}

} // namespace

QByteArray EncodeIcon4(const QImage& indexed)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > kTableEntries ||
        indexed.width() > 256 || indexed.height() > 256) {
        throw std::invalid_argument("icon: needs an indexed picture of at most 16 colours and 256 pixels");
    }
    const QByteArray colours = colourRows(indexed);
    const QByteArray mask = maskRows(indexed);
    const int imageBytes = kInfoHeaderBytes + kTableEntries * 4 + colours.size() + mask.size();

    QByteArray bytes;
    ByteWriter out(bytes);
    out.u16le(0); // reserved
    out.u16le(1); // type: icon
    out.u16le(1); // one image

    out.u8(indexed.width() % 256); // 256 is written as 0
    out.u8(indexed.height() % 256);
    out.u8(kTableEntries);
    out.u8(0);    // reserved
    out.u16le(1); // planes
    out.u16le(4); // bits per pixel
    out.u32le(imageBytes);
    out.u32le(kIconHeaderBytes + kDirectoryEntryBytes);

    out.u32le(kInfoHeaderBytes);
    out.i32le(indexed.width());
    out.i32le(2 * indexed.height()); // the colour rows and the mask rows together
    out.u16le(1);
    out.u16le(4);
    out.u32le(0);
    out.u32le(colours.size() + mask.size());
    out.i32le(0);
    out.i32le(0);
    out.u32le(0);
    out.u32le(0);

    for (int i = 0; i < kTableEntries; ++i) {
        const QRgb colour = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        out.u8(qBlue(colour));
        out.u8(qGreen(colour));
        out.u8(qRed(colour));
        out.u8(0);
    }
    out.bytes(colours);
    out.bytes(mask);
    return bytes;
}

} // namespace zub::artgen
