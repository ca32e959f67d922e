#include "bitmapfiles.h"

#include "bytewriter.h"

#include <stdexcept>

namespace zub::artgen {

namespace {

constexpr int kFileHeaderBytes = 14;

void requireIndexed(const QImage& picture, int maxColours, const char* what)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > maxColours) {
        throw std::invalid_argument(std::string(what) + ": needs an indexed picture of at most " +
                                    std::to_string(maxColours) + " colours");
    }
}

void writeInfoHeader(ByteWriter& out, const QImage& picture, int bitsPerPixel)
{
    out.u32le(kInfoHeaderBytes);
    out.i32le(picture.width());
    out.i32le(picture.height()); // positive: rows are stored bottom-up
    out.u16le(1);                // planes
    out.u16le(bitsPerPixel);
    out.u32le(0); // no compression
    out.u32le(StoredRowBytes(picture.width(), bitsPerPixel) * picture.height());
    out.i32le(0); // horizontal resolution: unspecified
    out.i32le(0); // vertical resolution: unspecified
    out.u32le(0); // colours used: all the table holds
    out.u32le(0); // important colours: all
}

void writeFileHeader(ByteWriter& out, int tableBytes, int pixelBytes)
{
    const int pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + tableBytes;
    out.u8('B');
    out.u8('M');
    out.u32le(pixelOffset + pixelBytes);
    out.u32le(0); // reserved
    out.u32le(pixelOffset);
}

void writeColourTable(ByteWriter& out, const QImage& indexed, int entries)
{
    for (int i = 0; i < entries; ++i) {
        const QRgb colour = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        out.u8(qBlue(colour));
        out.u8(qGreen(colour));
        out.u8(qRed(colour));
        out.u8(0);
    }
}

void writeRows8(ByteWriter& out, const QImage& indexed)
{
    const int padding = StoredRowBytes(indexed.width(), 8) - indexed.width();
    for (int y = indexed.height() - 1; y >= 0; --y) {
        out.bytes(QByteArray(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width()));
        out.zeros(padding);
    }
}

void writeRows24(ByteWriter& out, const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int padding = StoredRowBytes(rgb.width(), 24) - 3 * rgb.width();
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.u8(qBlue(line[x]));
            out.u8(qGreen(line[x]));
            out.u8(qRed(line[x]));
        }
        out.zeros(padding);
    }
}

} // namespace

int StoredRowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray PackBottomUpRows4(const QImage& indexed)
{
    QByteArray rows;
    const int rowBytes = StoredRowBytes(indexed.width(), 4);
    for (int y = indexed.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            const int shift = (x % 2 == 0) ? 4 : 0;
            row[x / 2] = static_cast<char>(row[x / 2] | ((indexed.pixelIndex(x, y) & 0x0F) << shift));
        }
        rows.append(row);
    }
    return rows;
}

QByteArray EncodeDib8(const QImage& indexed)
{
    requireIndexed(indexed, 256, "8-bit bitmap");
    if (indexed.colorCount() != 256) {
        throw std::invalid_argument("8-bit bitmap: the colour table must have 256 entries");
    }
    QByteArray bytes;
    ByteWriter out(bytes);
    writeInfoHeader(out, indexed, 8);
    writeColourTable(out, indexed, 256);
    writeRows8(out, indexed);
    return bytes;
}

QByteArray DibAsBmpFile(const QByteArray& dib)
{
    // The colour table's length follows from the header: "colours used", or all 2^bits up to 8 bits.
    int tableBytes = 0;
    if (dib.size() >= kInfoHeaderBytes) {
        const auto* header = reinterpret_cast<const uchar*>(dib.constData());
        const int bits = header[14] | (header[15] << 8);
        const int used = header[32] | (header[33] << 8) | (header[34] << 16) | (header[35] << 24);
        tableBytes = 4 * (used > 0 ? used : (bits <= 8 ? 1 << bits : 0));
    }
    QByteArray bytes;
    ByteWriter out(bytes);
    writeFileHeader(out, tableBytes, static_cast<int>(dib.size()) - kInfoHeaderBytes - tableBytes);
    out.bytes(dib);
    return bytes;
}

QByteArray EncodeBmp24(const QImage& picture)
{
    QByteArray bytes;
    ByteWriter out(bytes);
    writeFileHeader(out, 0, StoredRowBytes(picture.width(), 24) * picture.height());
    writeInfoHeader(out, picture, 24);
    writeRows24(out, picture);
    return bytes;
}

QByteArray EncodeBmp4(const QImage& indexed)
{
    requireIndexed(indexed, 16, "4-bit bitmap");
    QByteArray bytes;
    ByteWriter out(bytes);
    writeFileHeader(out, 16 * 4, StoredRowBytes(indexed.width(), 4) * indexed.height());
    writeInfoHeader(out, indexed, 4);
    writeColourTable(out, indexed, 16);
    out.bytes(PackBottomUpRows4(indexed));
    return bytes;
}

} // namespace zub::artgen
