// Damaged copies of the game's own pictures. The JPEG decoder and the bitmap-resource decoder either give
// the whole picture or throw an error that names it; they never crash, hang or allocate what the bytes
// cannot fill. Progressive, greyscale and subsampled JPEG pictures decode as well.
#include "assets/dibimage.h"
#include "assets/jpegdecoder.h"
#include "assets/storedpictures.h"
#include "robustnessfixture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

using namespace zub;
using namespace zub::test;

namespace {

const QString kPictureName = QStringLiteral("Image2");
const QString kResourceName = QStringLiteral("HANGPOS1");

QByteArray Resource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(path));
    return file.readAll();
}

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

QByteArray WithByte(QByteArray bytes, qsizetype at, uchar value)
{
    bytes[at] = char(value);
    return bytes;
}

QByteArray WithBigEndian16(QByteArray bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
    return bytes;
}

QByteArray WithLittleEndian32(QByteArray bytes, qsizetype at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

// The well-done picture encoded again by Qt's own writer in another form of JPEG.
QByteArray Reencoded(bool progressive, bool grey)
{
    QImage image = DecodeJpeg(Resource(QStringLiteral(":/zub/pictures/welldone.jpg")), kPictureName);
    if (grey)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(60);
    if (!writer.write(image))
        qFatal("cannot encode: %s", qPrintable(writer.errorString()));
    return buffer.data();
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

        const QByteArray good = Resource(QStringLiteral(":/zub/pictures/welldone.jpg"));
        const qsizetype frame = Segment(good, 0xC0);
        const qsizetype exif = Segment(good, 0xE1);
        const QString jpegError = QStringLiteral("JPEG error #");
        const QSize whole(381, 112);

        QTest::newRow("as stored") << good << whole << "";
        QTest::newRow("cut in half") << good.left(good.size() / 2) << QSize() << jpegError;
        QTest::newRow("cut inside the metadata") << good.left(exif + 40) << QSize() << jpegError;
        QTest::newRow("cut inside the frame header") << good.left(frame + 8) << QSize() << jpegError;
        QTest::newRow("end marker first") << WithByte(good, 1, 0xD9) << QSize() << jpegError;
        QTest::newRow("lossless frame marker") << WithByte(good, frame + 1, 0xC3) << QSize() << jpegError;
        QTest::newRow("hierarchical frame marker") << WithByte(good, frame + 1, 0xC5) << QSize() << jpegError;
        QTest::newRow("12-bit samples") << WithByte(good, frame + 4, 12) << QSize() << jpegError;
        QTest::newRow("zero height") << WithBigEndian16(good, frame + 5, 0) << QSize() << jpegError;
        QTest::newRow("height beyond the data")
            << WithBigEndian16(good, frame + 5, 4000) << QSize() << jpegError;
        QTest::newRow("65000 x 65000")
            << WithBigEndian16(WithBigEndian16(good, frame + 5, 65000), frame + 7, 65000) << QSize()
            << "too large to decode";
        QTest::newRow("metadata longer than the file")
            << WithBigEndian16(good, exif + 2, 0xFFFF) << QSize() << jpegError;
        QTest::newRow("frame segment of length 0")
            << WithBigEndian16(good, frame + 2, 0) << QSize() << jpegError;
        QTest::newRow("restart markers out of order")
            << QByteArray(good).replace("\xff\xd0", "\xff\xd5") << QSize() << QString();
        QTest::newRow("scan data overwritten")
            << QByteArray(good).replace(good.size() / 2, 2000, QByteArray(2000, '\x5a')) << QSize()
            << QString();
        QTest::newRow("bytes after the end marker") << good + QByteArray(5000, '\xff') << whole << "";
        QTest::newRow("progressive") << Reencoded(true, false) << whole << "";
        QTest::newRow("greyscale") << Reencoded(false, true) << whole << "";
        QTest::newRow("progressive greyscale") << Reencoded(true, true) << whole << "";
        QTest::newRow("a bitmap resource") << Resource(":/zub/bitmaps/HANGPOS1.dib") << QSize() << jpegError;
        QTest::newRow("a BMP picture") << Resource(":/zub/pictures/APic.bmp") << QSize() << jpegError;
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

        const QByteArray good = Resource(QStringLiteral(":/zub/bitmaps/HANGPOS1.dib"));
        QTest::newRow("cut in half") << good.left(good.size() / 2) << "its header needs 69064";
        QTest::newRow("only the header and colours") << good.left(40 + 1024) << "its header needs";
        QTest::newRow("pixel size larger than the rows")
            << WithLittleEndian32(good, 20, 68000 * 2) << "the header gives 136000 bytes of pixels";
        QTest::newRow("taller than the rows, pixel size 0")
            << WithLittleEndian32(WithLittleEndian32(good, 20, 0), 8, 500) << "its header needs";
        QTest::newRow("wider than the rows, pixel size 0")
            << WithLittleEndian32(WithLittleEndian32(good, 20, 0), 4, 4000) << "its header needs";
        QTest::newRow("zero width") << WithLittleEndian32(good, 4, 0) << "not positive";
        QTest::newRow("zero height") << WithLittleEndian32(good, 8, 0) << "not positive";
        QTest::newRow("negative width") << WithLittleEndian32(good, 4, -270) << "not positive";
        QTest::newRow("negative height") << WithLittleEndian32(good, 8, -250) << "not positive";
        QTest::newRow("largest height") << WithLittleEndian32(good, 8, 0x7fffffff) << "too large";
        QTest::newRow("header of another size") << WithLittleEndian32(good, 0, 124) << "124 bytes";
        QTest::newRow("a JPEG picture") << Resource(":/zub/pictures/about.jpg") << "header is";
        QTest::newRow("a BMP file with its file header")
            << Resource(":/zub/pictures/NewWordPic.bmp") << "header is";
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
