// Damaged copies of the game's own pictures. The JPEG decoder and the bitmap-resource decoder either give
// the whole picture or throw an error that names it, and the JPEG decoder's number for what it rejects or
// only warns about; they never crash, hang or allocate what the bytes cannot fill. Progressive JPEG
// pictures decode as well.
#include "assets/dibimage.h"
#include "assets/jpegdecoder.h"
#include "testfiles.h"

#include <QtEndian>
#include <jerror.h>

using namespace zub;
using namespace zub::test;

namespace {

const QString kPictureName = QStringLiteral("Image2");
const QString kResourceName = QStringLiteral("HANGPOS1");
const QString kGoodJpeg = QStringLiteral(":/zub/pictures/welldone.jpg");

// The offset of the first segment with marker 0xFF `marker`, walking the segments from the start.
qsizetype Segment(const QByteArray& jpeg, uchar marker)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF && uchar(jpeg[at + 1]) != 0xDA) {
        if (uchar(jpeg[at + 1]) == marker)
            return at;
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    qFatal("no segment 0x%x in the picture", marker);
}

// The bytes with the field of type T at offset at set to value: big-endian as in a JPEG picture,
// little-endian as in a bitmap resource.
template <typename T> QByteArray WithBigEndian(QByteArray bytes, qsizetype at, T value)
{
    qToBigEndian(value, bytes.data() + at);
    return bytes;
}

template <typename T> QByteArray WithLittleEndian(QByteArray bytes, qsizetype at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

} // namespace

class MalformedPicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // `size` is the picture that must come out; an empty size means an error holding `error`, and a null
    // `error` as well means either outcome will do as long as it is one of the two.
    void jpegDecodesWholeOrNamesThePicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("error");

        const QByteArray good = ReadBytes(kGoodJpeg);
        const qsizetype frame = Segment(good, 0xC0);
        const QString jpegError = QStringLiteral("JPEG error #");

        const QString tooLarge = QStringLiteral("too large to decode");

        QTest::newRow("bytes after the end marker")
            << good + QByteArray(5000, '\xff') << QSize(381, 112) << "";
        QTest::newRow("progressive") << ReadBytes(ZUB_JPEG_CORPUS "/seed-progressive.jpg") << QSize(38, 31)
                                     << "";
        QTest::newRow("no bytes at all")
            << QByteArray() << QSize() << jpegError + QString::number(JERR_INPUT_EMPTY) + u' ';
        QTest::newRow("a BMP picture") << ReadBytes(":/zub/pictures/APic.bmp") << QSize() << jpegError;
        // Cut short in the headers, or in the scan where the decoder only warns of the missing data.
        QTest::newRow("cut inside the frame header") << good.left(frame + 8) << QSize() << jpegError;
        QTest::newRow("cut in half") << good.left(good.size() / 2) << QSize()
                                     << jpegError + QString::number(JWRN_JPEG_EOF) + u' ';
        QTest::newRow("scan data overwritten")
            << QByteArray(good).replace(good.size() / 2, 2000, QByteArray(2000, '\x5a')) << QSize()
            << QString();
        // Sides within libjpeg's limits that would take more memory than any picture of the game.
        QTest::newRow("16385 wide") << WithBigEndian<quint16>(good, frame + 7, 16385) << QSize() << tooLarge;
        QTest::newRow("16385 high") << WithBigEndian<quint16>(good, frame + 5, 16385) << QSize() << tooLarge;
        QTest::newRow("16384 x 2200, over 100 MB")
            << WithBigEndian<quint16>(WithBigEndian<quint16>(good, frame + 5, 2200), frame + 7, 16384)
            << QSize() << tooLarge;
    }
    void jpegDecodesWholeOrNamesThePicture()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QString, error);

        QImage image;
        const QString message = ErrorOf([&] { image = DecodeJpeg(bytes, kPictureName); });
        if (!size.isEmpty()) {
            QVERIFY2(message.isNull(), qPrintable(message));
            QCOMPARE(image.size(), size);
            QCOMPARE(image.format(), QImage::Format_RGB888);
        } else if (!error.isNull() || !message.isNull()) {
            CheckErrorNames(message, kPictureName, error);
        } else {
            QVERIFY(!image.isNull());
        }
    }

    // The header of a gallows picture made to lie: each lie is found before a byte past the data is read
    // or a picture larger than the data is allocated.
    void bitmapResourceWithALyingHeaderIsNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");

        const QByteArray good = ReadBytes(QStringLiteral(":/zub/bitmaps/HANGPOS1.dib"));
        QTest::newRow("shorter than its header") << good.left(39) << "fewer than its 40-byte header";
        QTest::newRow("cut in half") << good.left(good.size() / 2) << "its header needs 69064";
        QTest::newRow("a BMP file with its file header")
            << ReadBytes(":/zub/pictures/NewWordPic.bmp") << "header is";
        QTest::newRow("zero width") << WithLittleEndian<qint32>(good, 4, 0) << "not positive";
        QTest::newRow("negative height") << WithLittleEndian<qint32>(good, 8, -250) << "not positive";
        QTest::newRow("largest height") << WithLittleEndian<qint32>(good, 8, 0x7fffffff) << "too large";
        QTest::newRow("two planes") << WithLittleEndian<quint16>(good, 12, 2) << "2 planes";
        QTest::newRow("24 bits per pixel") << WithLittleEndian<quint16>(good, 14, 24) << "24 bits per pixel";
        QTest::newRow("run-length compressed") << WithLittleEndian<quint32>(good, 16, 1) << "compressed";
        QTest::newRow("16-colour table") << WithLittleEndian<quint32>(good, 32, 16) << "16 colours";
        QTest::newRow("pixel size larger than the rows")
            << WithLittleEndian<quint32>(good, 20, 68000 * 2) << "the header gives 136000 bytes of pixels";
        // The largest size the decoder takes, with the pixel size left open: found short before any
        // picture of that size is made.
        QTest::newRow("16384 x 16384, pixel size 0")
            << WithLittleEndian<qint32>(
                   WithLittleEndian<qint32>(WithLittleEndian<quint32>(good, 20, 0), 4, 16384), 8, 16384)
            << "its header needs";
    }
    void bitmapResourceWithALyingHeaderIsNamed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        CheckErrorNames(ErrorOf([&] { DecodeDib(bytes, kResourceName); }), kResourceName, error);
    }
};

QTEST_GUILESS_MAIN(MalformedPicturesTest)
#include "tst_malformedpictures.moc"
