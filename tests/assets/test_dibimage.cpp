// The header-less 8-bit bitmaps behind the stage pictures and the banner: good ones decode pixel for pixel,
// broken ones fail with an error that names the bitmap and never read past the data.
#include "assets/dibimage.h"
#include "platform/error.h"

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

QByteArray withField32(QByteArray bytes, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + offset);
    return bytes;
}

QByteArray withField16(QByteArray bytes, int offset, quint16 value)
{
    qToLittleEndian<quint16>(value, bytes.data() + offset);
    return bytes;
}

} // namespace

class TestDibImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesRowsBottomUpWithoutPadding_data();
    void decodesRowsBottomUpWithoutPadding();
    void keepsTheWholeColourTable();
    void brokenBitmapFailsNamingIt_data();
    void brokenBitmapFailsNamingIt();
};

void TestDibImage::decodesRowsBottomUpWithoutPadding_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("trailing");

    // Widths 1 .. 5 cover every amount of row padding.
    QTest::newRow("1 x 1, three padding bytes") << 1 << 1 << 0;
    QTest::newRow("2 x 3, two padding bytes") << 2 << 3 << 0;
    QTest::newRow("3 x 2, one padding byte") << 3 << 2 << 0;
    QTest::newRow("4 x 4, no padding") << 4 << 4 << 0;
    QTest::newRow("5 x 6, three padding bytes") << 5 << 6 << 0;
    QTest::newRow("bytes after the last row are ignored") << 3 << 3 << 17;
}

void TestDibImage::decodesRowsBottomUpWithoutPadding()
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
}

void TestDibImage::keepsTheWholeColourTable()
{
    const QImage image = zub::DecodeDib(makeDib(2, 2), QStringLiteral("TEST"));

    QCOMPARE(image.colorCount(), 256);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(image.color(i), paletteColour(i));
}

void TestDibImage::brokenBitmapFailsNamingIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray good = makeDib(5, 4); // stride 8, 32 bytes of pixels
    QTest::newRow("empty") << QByteArray() << "fewer than its 40-byte header";
    QTest::newRow("header cut short") << good.left(39) << "fewer than its 40-byte header";
    QTest::newRow("older 12-byte header") << withField32(good, 0, 12) << "header is 12 bytes";
    QTest::newRow("zero width") << withField32(good, 4, 0) << "not positive";
    QTest::newRow("zero height") << withField32(good, 8, 0) << "not positive";
    QTest::newRow("negative width") << withField32(good, 4, -5) << "not positive";
    QTest::newRow("negative (top-down) height") << withField32(good, 8, -4) << "not positive";
    QTest::newRow("huge width") << withField32(good, 4, 0x7fffffff) << "too large";
    QTest::newRow("huge height") << withField32(good, 8, 0x7fffffff) << "too large";
    QTest::newRow("two planes") << withField16(good, 12, 2) << "2 planes";
    QTest::newRow("24 bits per pixel") << withField16(good, 14, 24) << "24 bits per pixel";
    QTest::newRow("run-length compressed") << withField32(good, 16, 1) << "compressed";
    QTest::newRow("16-colour table") << withField32(good, 32, 16) << "16 colours";
    QTest::newRow("image size disagrees with the size")
        << withField32(good, 20, 20) << "gives 20 bytes of pixels";
    QTest::newRow("colour table cut short") << good.left(HeaderSize + 100) << "its header needs 1096";
    QTest::newRow("last row cut short") << good.left(good.size() - 1) << "its header needs 1096";
    QTest::newRow("header claims more rows than stored")
        << withField32(withField32(good, 8, 400), 20, 0) << "its header needs 4264";
    QTest::newRow("largest allowed size with no pixel data")
        << withField32(withField32(withField32(good, 4, 16384), 8, 16384), 20, 0) << "its header needs";
}

void TestDibImage::brokenBitmapFailsNamingIt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    try {
        zub::DecodeDib(bytes, QStringLiteral("HANGPOS7"));
        QFAIL("a broken bitmap was accepted");
    } catch (const zub::Error& error) {
        QVERIFY2(error.message().contains(QStringLiteral("HANGPOS7")), qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestDibImage)
#include "test_dibimage.moc"
