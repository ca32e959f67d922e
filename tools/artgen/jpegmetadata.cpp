#include "jpegmetadata.h"

#include "bytewriter.h"

#include <vector>

namespace zub::artgen {

namespace {

// TIFF field types used here.
enum TiffType : std::uint16_t
{
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    Undefined = 7,
};

struct TiffEntry
{
    std::uint16_t tag;
    TiffType type;
    std::uint32_t count;
    QByteArray value; // little-endian; up to 4 bytes stay in the entry, longer values go after the table
};

QByteArray shortValue(std::uint16_t value)
{
    QByteArray bytes;
    ByteWriter(bytes).u16le(value);
    return bytes;
}

QByteArray longValue(std::uint32_t value)
{
    QByteArray bytes;
    ByteWriter(bytes).u32le(value);
    return bytes;
}

QByteArray rationalValue(std::uint32_t numerator, std::uint32_t denominator)
{
    QByteArray bytes;
    ByteWriter out(bytes);
    out.u32le(numerator);
    out.u32le(denominator);
    return bytes;
}

int paddedSize(const QByteArray& value)
{
    return static_cast<int>((value.size() + 1) / 2 * 2);
}

// Bytes a directory takes: entry count, entries, next-directory link, then the longer values.
int directorySize(const std::vector<TiffEntry>& entries)
{
    int size = 2 + 12 * static_cast<int>(entries.size()) + 4;
    for (const TiffEntry& entry : entries) {
        if (entry.value.size() > 4) {
            size += paddedSize(entry.value);
        }
    }
    return size;
}

// One directory that starts at `offset` from the TIFF header; entries must be in ascending tag order.
QByteArray directory(const std::vector<TiffEntry>& entries, int offset)
{
    QByteArray table;
    QByteArray values;
    ByteWriter out(table);
    int valueOffset = offset + 2 + 12 * static_cast<int>(entries.size()) + 4;
    out.u16le(static_cast<std::uint32_t>(entries.size()));
    for (const TiffEntry& entry : entries) {
        out.u16le(entry.tag);
        out.u16le(entry.type);
        out.u32le(entry.count);
        if (entry.value.size() <= 4) {
            out.bytes(entry.value);
            out.zeros(4 - entry.value.size());
        } else {
            out.u32le(valueOffset + values.size());
            values.append(entry.value);
            values.append(paddedSize(entry.value) - entry.value.size(), '\0');
        }
    }
    out.u32le(0); // no further directory
    return table + values;
}

} // namespace

QByteArray ExifPayload(QSize size)
{
    constexpr int kTiffHeaderBytes = 8;
    constexpr std::uint16_t kExifPointerTag = 0x8769;
    const QByteArray software = QByteArray(kCreatorName) + '\0';

    std::vector<TiffEntry> main = {
        {0x0112, Short, 1, shortValue(1)},                                      // orientation: top-left
        {0x011A, Rational, 1, rationalValue(72, 1)},                            // horizontal resolution
        {0x011B, Rational, 1, rationalValue(72, 1)},                            // vertical resolution
        {0x0128, Short, 1, shortValue(2)},                                      // resolution unit: inch
        {0x0131, Ascii, static_cast<std::uint32_t>(software.size()), software}, // creating program
        {kExifPointerTag, Long, 1, longValue(0)},                               // set below
    };
    const std::vector<TiffEntry> exif = {
        {0x9000, Undefined, 4, QByteArray("0230")},                              // Exif version
        {0xA001, Short, 1, shortValue(1)},                                       // colour space: sRGB
        {0xA002, Long, 1, longValue(static_cast<std::uint32_t>(size.width()))},  // pixel width
        {0xA003, Long, 1, longValue(static_cast<std::uint32_t>(size.height()))}, // pixel height
    };
    const int exifOffset = kTiffHeaderBytes + directorySize(main);
    main.back().value = longValue(exifOffset);

    QByteArray bytes("Exif\0\0", 6);
    ByteWriter out(bytes);
    out.u8('I');
    out.u8('I');
    out.u16le(42);
    out.u32le(kTiffHeaderBytes);
    out.bytes(directory(main, kTiffHeaderBytes));
    out.bytes(directory(exif, exifOffset));
    return bytes;
}

QByteArray XmpPayload(const QString& title)
{
    const QString packet =
        QStringLiteral(
            "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "  <rdf:Description rdf:about=\"\"\n"
            "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
            "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
            "   <xmp:CreatorTool>%1</xmp:CreatorTool>\n"
            "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></dc:title>\n"
            "  </rdf:Description>\n"
            " </rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end=\"w\"?>")
            .arg(QString::fromLatin1(kCreatorName), title.toHtmlEscaped());
    return QByteArray("http://ns.adobe.com/xap/1.0/", 29) + packet.toUtf8();
}

QByteArray ImageResourcePayload()
{
    QByteArray bytes("Photoshop 3.0\0", 14);
    ByteWriter out(bytes);
    out.bytes("8BIM");
    out.u16be(0x0404); // resource: IPTC record
    out.u8(0);         // empty name (a Pascal string) ...
    out.u8(0);         // ... padded to an even length
    out.u32be(0);      // an empty record
    return bytes;
}

} // namespace zub::artgen
