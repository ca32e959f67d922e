// The bitmap, BMP and icon writers produce exactly the byte layouts the game and any reader expect.

#include "bitmapfiles.h"
#include "iconfile.h"

#include <QTest>
#include <QtEndian>

using namespace zub::artgen;

namespace {

quint32 u32At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

// A picture whose every pixel differs from its neighbours, so a swapped row or column shows.
QImage pattern(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, (x * y) % 256));
        }
    }
    return picture;
}

QImage indexedPattern(QSize size, int colours)
{
    QImage picture(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i) {
        table.append(qRgb(i * 13 % 256, 255 - i * 5 % 256, i * 29 % 256));
    }
    picture.setColorTable(table);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, y, static_cast<uint>((x + 3 * y) % colours));
        }
    }
    return picture;
}

void compareColours(const QImage& read, const QImage& written)
{
    QCOMPARE(read.size(), written.size());
    for (int y = 0; y < written.height(); ++y) {
        for (int x = 0; x < written.width(); ++x) {
            if ((read.pixel(x, y) & 0xFFFFFF) != (written.pixel(x, y) & 0xFFFFFF)) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
        }
    }
}

} // namespace

class BitmapFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bitmapResourceHasTheStoredLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<int>("imageSize");
        QTest::addColumn<int>("rowBytes");
        QTest::newRow("gallows") << QSize(270, 250) << 69064 << 68000 << 272;
        QTest::newRow("switch") << QSize(215, 140) << 31304 << 30240 << 216;
        QTest::newRow("banner") << QSize(500, 75) << 38564 << 37500 << 500;
    }

    // A bitmap resource is an information header, 256 table entries and bottom-up padded rows.
    void bitmapResourceHasTheStoredLayout()
    {
        QFETCH(QSize, size);
        QFETCH(int, fileSize);
        QFETCH(int, imageSize);
        QFETCH(int, rowBytes);
        QImage picture = indexedPattern(size, 256);
        picture.setPixel(0, 0, 200); // top-left, stored first in the last row
        const QByteArray dib = EncodeDib8(picture);

        QCOMPARE(dib.size(), fileSize);
        QCOMPARE(u32At(dib, 0), 40U);
        QCOMPARE(static_cast<qint32>(u32At(dib, 4)), size.width());
        QCOMPARE(static_cast<qint32>(u32At(dib, 8)), size.height()); // positive: bottom-up
        QCOMPARE(u16At(dib, 12), quint16(1));
        QCOMPARE(u16At(dib, 14), quint16(8));
        QCOMPARE(u32At(dib, 16), 0U);
        QCOMPARE(static_cast<int>(u32At(dib, 20)), imageSize);
        QCOMPARE(u32At(dib, 32), 0U); // all 256 colours
        const QRgb entry5 = picture.color(5);
        QCOMPARE(quint8(dib[40 + 5 * 4]), quint8(qBlue(entry5)));
        QCOMPARE(quint8(dib[40 + 5 * 4 + 1]), quint8(qGreen(entry5)));
        QCOMPARE(quint8(dib[40 + 5 * 4 + 2]), quint8(qRed(entry5)));
        QCOMPARE(quint8(dib[40 + 5 * 4 + 3]), quint8(0));
        const int lastRow = 40 + 1024 + (size.height() - 1) * rowBytes;
        QCOMPARE(quint8(dib[lastRow]), quint8(200));
        for (int pad = size.width(); pad < rowBytes; ++pad) {
            QCOMPARE(quint8(dib[lastRow + pad]), quint8(0));
        }
    }

    void bitmapResourceReadsBackWithAFileHeader()
    {
        const QImage picture = indexedPattern(QSize(215, 140), 256);
        compareColours(QImage::fromData(DibAsBmpFile(EncodeDib8(picture)), "BMP"), picture);
    }

    void bitmapResourceRefusesAShortColourTable()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EncodeDib8(indexedPattern(QSize(4, 4), 16)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EncodeDib8(pattern(QSize(4, 4))));
    }

    void trueColourBmpReadsBack_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fileSize");
        QTest::newRow("used tile") << QSize(75, 36) << 8262;
        QTest::newRow("new word") << QSize(348, 53) << 55386;
        QTest::newRow("skip") << QSize(74, 75) << 16854;
    }

    // Rows of 3 bytes a pixel padded to 4 bytes; any reader gets the same pixels back.
    void trueColourBmpReadsBack()
    {
        QFETCH(QSize, size);
        QFETCH(int, fileSize);
        const QImage picture = pattern(size);
        const QByteArray bmp = EncodeBmp24(picture);
        QCOMPARE(bmp.size(), fileSize);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(static_cast<int>(u32At(bmp, 2)), fileSize);
        QCOMPARE(u32At(bmp, 10), 54U); // no colour table
        QCOMPARE(u16At(bmp, 28), quint16(24));
        compareColours(QImage::fromData(bmp, "BMP"), picture);
    }

    // Two pixels a byte, the left one in the high nibble, after a 16-entry table.
    void sixteenColourBmpReadsBack()
    {
        const QImage glyph = indexedPattern(QSize(36, 18), 16);
        const QByteArray bmp = EncodeBmp4(glyph);
        QCOMPARE(bmp.size(), 478);
        QCOMPARE(u32At(bmp, 10), 14U + 40U + 64U);
        QCOMPARE(u16At(bmp, 28), quint16(4));
        compareColours(QImage::fromData(bmp, "BMP"), glyph);

        const QImage odd = indexedPattern(QSize(7, 3), 5); // a half-filled last byte in every row
        compareColours(QImage::fromData(EncodeBmp4(odd), "BMP"), odd);
    }

    void sixteenColourBmpRefusesMoreColours()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EncodeBmp4(indexedPattern(QSize(4, 4), 17)));
    }

    // One 32 x 32 image of 16 colours: 766 bytes, masked pixels transparent when read back.
    void iconReadsBackWithItsMask()
    {
        QImage icon = indexedPattern(QSize(32, 32), 16);
        QList<QRgb> table = icon.colorTable();
        table[0] = qRgba(0, 0, 0, 0);
        icon.setColorTable(table);
        const QByteArray bytes = EncodeIcon4(icon);

        QCOMPARE(bytes.size(), 766);
        QCOMPARE(u16At(bytes, 2), quint16(1)); // an icon
        QCOMPARE(u16At(bytes, 4), quint16(1)); // one image
        QCOMPARE(quint8(bytes[6]), quint8(32));
        QCOMPARE(quint8(bytes[8]), quint8(16));
        QCOMPARE(u32At(bytes, 14), 744U);
        QCOMPARE(u32At(bytes, 18), 22U);
        QCOMPARE(static_cast<qint32>(u32At(bytes, 22 + 8)), 64); // colour rows and mask rows

        const QImage read = QImage::fromData(bytes, "ICO").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(read.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb wanted = icon.color(icon.pixelIndex(x, y));
                if (qAlpha(wanted) == 0) {
                    QCOMPARE(qAlpha(read.pixel(x, y)), 0);
                } else {
                    QCOMPARE(read.pixel(x, y), wanted);
                }
            }
        }
    }
};

QTEST_MAIN(BitmapFilesTest)
#include "test_bitmapfiles.moc"
