// The bitmap resources: an unknown name fails naming it (the board's tests see every one found and
// drawn), and the header-less 8-bit bitmaps behind them decode pixel for pixel; broken ones are in the
// robustness tests' catalogue of malformed pictures.
#include "assets/bitmapresources.h"
#include "assets/dibimage.h"
#include "testfiles.h"

#include <QBuffer>
#include <QTest>

class BitmapResourcesTest : public QObject
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
        QTest::newRow("4 x 4, no padding") << 4 << 4 << 0;
        QTest::newRow("3 x 3, one padding byte, bytes after the last row ignored") << 3 << 3 << 17;
    }
    // The bitmap is written by Qt's own BMP writer, bottom-up, without its 14-byte file header; every
    // pixel and every palette entry differs from the others.
    void decodesRowsBottomUpWithTheirColours()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, trailing);
        QImage picture(width, height, QImage::Format_Indexed8);
        QList<QRgb> colours;
        for (int i = 0; i < 256; ++i)
            colours << qRgb(i, 255 - i, (i * 7) % 256);
        picture.setColorTable(colours);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, uint(x + 16 * y));
        }
        QBuffer file;
        QVERIFY(file.open(QIODevice::WriteOnly) && picture.save(&file, "BMP"));

        const QImage image = zub::DecodeDib(file.data().mid(14) + QByteArray(trailing, '\xee'), "TEST");
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorTable(), colours);
        QCOMPARE(image, picture);
    }

    void unknownNameFailsNamingIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("stage beyond the last") << "HANGPOS12";
        QTest::newRow("lower case") << "hangpos1";
        QTest::newRow("a path into other resources") << "../fonts/LiberationSans-Regular";
    }
    void unknownNameFailsNamingIt()
    {
        QFETCH(QString, name);
        QCOMPARE(zub::test::ErrorOf([&] { zub::LoadFromResourceName(name); }),
                 QStringLiteral("There is no bitmap resource named \"%1\".").arg(name));
    }
};

QTEST_GUILESS_MAIN(BitmapResourcesTest)
#include "tst_bitmapresources.moc"
