// The header-less 8-bit bitmaps behind the stage pictures and the banner decode pixel for pixel. Broken
// ones are in the robustness tests' catalogue of malformed pictures.
#include "assets/dibimage.h"

#include <QTest>
#include <QtEndian>

namespace {

constexpr int HeaderSize = 40;
constexpr int PaletteSize = 256 * 4;

// The colour of palette entry i in the test bitmaps: every entry differs from every other.
QRgb paletteColour(int i)
{
    return qRgb(i, 255 - i, (i * 7) % 256);
}

// The pixel value at (x, y), y counted from the top of the picture.
uchar pixelValue(int x, int y)
{
    return uchar(x + 16 * y);
}

// A well-formed bitmap of the given size, with trailing bytes appended after the last row.
QByteArray makeDib(int width, int height, int trailing = 0)
{
    const int stride = (width + 3) / 4 * 4;
    QByteArray bytes(HeaderSize + PaletteSize + stride * height + trailing, '\0');
    auto* data = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian<quint32>(HeaderSize, data);
    qToLittleEndian<qint32>(width, data + 4);
    qToLittleEndian<qint32>(height, data + 8);
    qToLittleEndian<quint16>(1, data + 12);
    qToLittleEndian<quint16>(8, data + 14);
    qToLittleEndian<quint32>(stride * height, data + 20);
    for (int i = 0; i < 256; ++i) {
        uchar* entry = data + HeaderSize + i * 4;
        entry[0] = uchar(qBlue(paletteColour(i)));
        entry[1] = uchar(qGreen(paletteColour(i)));
        entry[2] = uchar(qRed(paletteColour(i)));
    }
    uchar* rows = data + HeaderSize + PaletteSize;
    for (int y = 0; y < height; ++y) {
        uchar* row = rows + (height - 1 - y) * stride; // bottom-up
        for (int x = 0; x < width; ++x)
            row[x] = pixelValue(x, y);
        for (int x = width; x < stride; ++x)
            row[x] = 0xEE; // padding must never show
    }
    return bytes;
}

} // namespace

class DibImageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesRowsBottomUpWithTheirColours_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("trailing");

        // Widths 1 .. 4 cover every amount of row padding.
        QTest::newRow("1 x 1, three padding bytes") << 1 << 1 << 0;
        QTest::newRow("2 x 3, two padding bytes") << 2 << 3 << 0;
        QTest::newRow("3 x 2, one padding byte") << 3 << 2 << 0;
        QTest::newRow("4 x 4, no padding") << 4 << 4 << 0;
        QTest::newRow("bytes after the last row are ignored") << 3 << 3 << 17;
    }
    void decodesRowsBottomUpWithTheirColours()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, trailing);

        const QImage image = zub::DecodeDib(makeDib(width, height, trailing), QStringLiteral("TEST"));

        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                QCOMPARE(image.pixelIndex(x, y), int(pixelValue(x, y)));
        }
        QCOMPARE(image.colorCount(), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(image.color(i), paletteColour(i));
    }
};

QTEST_GUILESS_MAIN(DibImageTest)
#include "tst_dibimage.moc"
