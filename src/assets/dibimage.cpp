#include "assets/dibimage.h"

#include "assets/picturelimits.h"
#include "platform/error.h"

#include <QtEndian>
#include <cstring>

namespace zub {

namespace {

constexpr qint64 InfoHeaderSize = 40;
constexpr qint64 PaletteEntries = 256;
constexpr qint64 PaletteSize = PaletteEntries * 4;

// The fields of the information header the game relies on.
struct InfoHeader
{
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0;
    qint64 planes = 0;
    qint64 bitsPerPixel = 0;
    qint64 compression = 0;
    qint64 imageSize = 0;
    qint64 coloursUsed = 0;
};

InfoHeader readInfoHeader(const uchar* data)
{
    InfoHeader header;
    header.headerSize = qFromLittleEndian<quint32>(data);
    header.width = qFromLittleEndian<qint32>(data + 4);
    header.height = qFromLittleEndian<qint32>(data + 8);
    header.planes = qFromLittleEndian<quint16>(data + 12);
    header.bitsPerPixel = qFromLittleEndian<quint16>(data + 14);
    header.compression = qFromLittleEndian<quint32>(data + 16);
    header.imageSize = qFromLittleEndian<quint32>(data + 20);
    header.coloursUsed = qFromLittleEndian<quint32>(data + 32);
    return header;
}

// Returns what is wrong with the header, or an empty text when the picture is one the game can show.
QString checkInfoHeader(const InfoHeader& header)
{
    if (header.headerSize != InfoHeaderSize)
        return QStringLiteral("the information header is %1 bytes instead of 40").arg(header.headerSize);
    if (header.width <= 0 || header.height <= 0)
        return QStringLiteral("the size %1 x %2 is not positive").arg(header.width).arg(header.height);
    if (header.width > kMaxPictureSide || header.height > kMaxPictureSide)
        return QStringLiteral("the size %1 x %2 is too large").arg(header.width).arg(header.height);
    if (header.planes != 1)
        return QStringLiteral("it has %1 planes instead of 1").arg(header.planes);
    if (header.bitsPerPixel != 8)
        return QStringLiteral("it has %1 bits per pixel instead of 8").arg(header.bitsPerPixel);
    if (header.compression != 0)
        return QStringLiteral("it is compressed (method %1)").arg(header.compression);
    if (header.coloursUsed != 0 && header.coloursUsed != PaletteEntries)
        return QStringLiteral("it uses %1 colours instead of 256").arg(header.coloursUsed);
    return {};
}

qint64 rowStride(qint64 width)
{
    return (width + 3) / 4 * 4;
}

} // namespace

QImage DecodeDib(const QByteArray& bytes, const QString& what)
{
    const auto fail = [&what](const QString& reason) {
        return Error(QStringLiteral("The bitmap %1 is broken: %2.").arg(what, reason));
    };

    const qint64 available = bytes.size();
    if (available < InfoHeaderSize)
        throw fail(QStringLiteral("it has %1 bytes, fewer than its 40-byte header").arg(available));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const InfoHeader header = readInfoHeader(data);
    if (const QString problem = checkInfoHeader(header); !problem.isEmpty())
        throw fail(problem);

    const qint64 stride = rowStride(header.width);
    const qint64 pixelBytes = stride * header.height;
    if (header.imageSize != 0 && header.imageSize != pixelBytes)
        throw fail(QStringLiteral("the header gives %1 bytes of pixels, the size %2 x %3 needs %4")
                       .arg(header.imageSize)
                       .arg(header.width)
                       .arg(header.height)
                       .arg(pixelBytes));
    const qint64 needed = InfoHeaderSize + PaletteSize + pixelBytes;
    if (available < needed)
        throw fail(QStringLiteral("it has %1 bytes, its header needs %2").arg(available).arg(needed));

    QImage image(int(header.width), int(header.height), QImage::Format_Indexed8);
    if (image.isNull())
        throw fail(QStringLiteral("there is not enough memory for it"));

    QList<QRgb> colours(PaletteEntries);
    const uchar* palette = data + InfoHeaderSize;
    for (qint64 i = 0; i < PaletteEntries; ++i) {
        const uchar* entry = palette + i * 4;
        colours[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(colours);

    // Rows are stored bottom-up: the first stored row is the picture's last line.
    const uchar* pixels = palette + PaletteSize;
    for (qint64 line = 0; line < header.height; ++line) {
        const uchar* source = pixels + (header.height - 1 - line) * stride;
        std::memcpy(image.scanLine(int(line)), source, size_t(header.width));
    }
    return image;
}

} // namespace zub
