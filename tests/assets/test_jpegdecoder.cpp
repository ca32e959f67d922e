// The JPEG decoder: pictures come out at full size in 24-bit colour with every quadrant in its place, and
// anything the decoder rejects or finds cut short fails with "JPEG error #N" and the picture's name.
#include "assets/jpegdecoder.h"
#include "platform/error.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

const QColor TopLeft(200, 30, 30);
const QColor TopRight(30, 200, 30);
const QColor BottomLeft(30, 30, 200);
const QColor BottomRight(240, 240, 240);

// A picture split into four flat quadrants of different colours.
QImage quadrants(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    QPainter painter(&image);
    const int midX = width / 2;
    const int midY = height / 2;
    painter.fillRect(0, 0, midX, midY, TopLeft);
    painter.fillRect(midX, 0, width - midX, midY, TopRight);
    painter.fillRect(0, midY, midX, height - midY, BottomLeft);
    painter.fillRect(midX, midY, width - midX, height - midY, BottomRight);
    return image;
}

QByteArray encodeJpeg(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    if (!writer.write(image))
        qFatal("cannot encode a test picture: %s", qPrintable(writer.errorString()));
    return buffer.data();
}

// The offset of the baseline start-of-frame segment's marker, found by walking the segments.
qsizetype startOfFrame(const QByteArray& jpeg)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        if (uchar(jpeg[at + 1]) == 0xC0)
            return at;
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    qFatal("the test picture has no start-of-frame segment");
}

QByteArray withSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = startOfFrame(jpeg);
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

bool near(QRgb actual, const QColor& expected)
{
    constexpr int Tolerance = 12;
    return std::abs(qRed(actual) - expected.red()) <= Tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= Tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= Tolerance;
}

QString decoderText(int code)
{
    return QStringLiteral("JPEG error #%1 in Backdrop").arg(code);
}

} // namespace

class TestJpegDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesAtFullSizeInRgb_data();
    void decodesAtFullSizeInRgb();
    void greyPictureComesOutAsRgb();
    void decoderErrorsCarryTheirNumber_data();
    void decoderErrorsCarryTheirNumber();
    void cutShortOrCorruptPictureFails_data();
    void cutShortOrCorruptPictureFails();
    void hugePictureIsRefusedBeforeDecoding_data();
    void hugePictureIsRefusedBeforeDecoding();
};

void TestJpegDecoder::decodesAtFullSizeInRgb_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("backdrop 950 x 650") << QSize(950, 650);
    QTest::newRow("name entry 400 x 184") << QSize(400, 184);
    QTest::newRow("well done 381 x 112, odd row length") << QSize(381, 112);
    QTest::newRow("about 300 x 242") << QSize(300, 242);
    QTest::newRow("a single block, 16 x 16") << QSize(16, 16);
    QTest::newRow("partial blocks, 37 x 21") << QSize(37, 21);
}

void TestJpegDecoder::decodesAtFullSizeInRgb()
{
    QFETCH(QSize, size);

    const QImage image = zub::DecodeJpeg(encodeJpeg(quadrants(size.width(), size.height())), "test");

    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB888);
    const int quarterX = size.width() / 4;
    const int quarterY = size.height() / 4;
    const int lastX = size.width() - 1;
    const int lastY = size.height() - 1;
    QVERIFY(near(image.pixel(quarterX, quarterY), TopLeft));
    QVERIFY(near(image.pixel(lastX - quarterX, quarterY), TopRight));
    QVERIFY(near(image.pixel(quarterX, lastY - quarterY), BottomLeft));
    QVERIFY(near(image.pixel(lastX - quarterX, lastY - quarterY), BottomRight));
}

void TestJpegDecoder::greyPictureComesOutAsRgb()
{
    QImage grey(40, 30, QImage::Format_Grayscale8);
    grey.fill(QColor(90, 90, 90));

    const QImage image = zub::DecodeJpeg(encodeJpeg(grey), "test");

    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.size(), QSize(40, 30));
    QVERIFY(near(image.pixel(20, 15), QColor(90, 90, 90)));
}

void TestJpegDecoder::decoderErrorsCarryTheirNumber_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");

    const QByteArray good = encodeJpeg(quadrants(64, 48));
    QTest::newRow("no bytes at all") << QByteArray() << int(JERR_INPUT_EMPTY);
    QTest::newRow("not a JPEG picture") << QByteArray("BM not a jpeg at all") << int(JERR_NO_SOI);
    QTest::newRow("cut off after the header segments")
        << good.left(startOfFrame(good) + 40) << int(JWRN_JPEG_EOF);
    QTest::newRow("end marker missing") << good.left(good.size() - 2) << int(JWRN_JPEG_EOF);
    QTest::newRow("zero width") << withSize(good, 0, 48) << int(JERR_EMPTY_IMAGE);
    QTest::newRow("no components in the frame") << [&good] {
        QByteArray bytes = good;
        bytes[startOfFrame(good) + 9] = 0;
        return bytes;
    }() << int(JERR_EMPTY_IMAGE);
}

void TestJpegDecoder::decoderErrorsCarryTheirNumber()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);

    try {
        zub::DecodeJpeg(bytes, QStringLiteral("Backdrop"));
        QFAIL("a broken picture was decoded");
    } catch (const zub::Error& error) {
        QVERIFY2(error.message().startsWith(decoderText(code)), qPrintable(error.message()));
    }
}

void TestJpegDecoder::cutShortOrCorruptPictureFails_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = encodeJpeg(quadrants(120, 90));
    for (const qsizetype keep :
         {qsizetype(1), qsizetype(2), qsizetype(3), good.size() / 3, good.size() / 2, good.size() - 10})
        QTest::addRow("first %lld of %lld bytes", qlonglong(keep), qlonglong(good.size())) << good.left(keep);
    QTest::newRow("start marker damaged") << QByteArray("\xFF\x00", 2) + good.mid(2);
}

void TestJpegDecoder::cutShortOrCorruptPictureFails()
{
    QFETCH(QByteArray, bytes);

    static const QRegularExpression decoderError(QStringLiteral("^JPEG error #\\d+ in Image2 \\(.+\\)$"));
    try {
        zub::DecodeJpeg(bytes, QStringLiteral("Image2"));
        QFAIL("a broken picture was decoded");
    } catch (const zub::Error& error) {
        QVERIFY2(decoderError.match(error.message()).hasMatch(), qPrintable(error.message()));
    }
}

void TestJpegDecoder::hugePictureIsRefusedBeforeDecoding_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("too wide") << 16385 << 8;
    QTest::newRow("too high") << 8 << 16385;
    QTest::newRow("largest sides libjpeg allows") << 65500 << 65500;
    QTest::newRow("within the sides but over 100 MB") << 16384 << 2200;
}

void TestJpegDecoder::hugePictureIsRefusedBeforeDecoding()
{
    QFETCH(int, width);
    QFETCH(int, height);

    const QByteArray bytes = withSize(encodeJpeg(quadrants(16, 16)), width, height);
    try {
        zub::DecodeJpeg(bytes, QStringLiteral("Image3"));
        QFAIL("a huge picture was decoded");
    } catch (const zub::Error& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("The JPEG picture Image3 is too large to decode: %1 x %2 pixels.")
                     .arg(width)
                     .arg(height));
    }
}

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "test_jpegdecoder.moc"
