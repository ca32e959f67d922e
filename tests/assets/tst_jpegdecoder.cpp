// The JPEG decoder: pictures come out at full size in 24-bit colour with every quadrant in its place, and
// what the decoder rejects, or only warns about, fails with its number, the picture's name and its text.
// Broken pictures of every kind are in the robustness tests' catalogue of malformed pictures.
#include "assets/jpegdecoder.h"
#include "platform/error.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <jerror.h>
#include <jpeglib.h>

namespace {

const QColor TopLeft(200, 30, 30);
const QColor TopRight(30, 200, 30);
const QColor BottomLeft(30, 30, 200);
const QColor BottomRight(240, 240, 240);

// A picture split into four flat quadrants of different colours.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
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

bool near(QRgb actual, const QColor& expected)
{
    constexpr int Tolerance = 12;
    return std::abs(qRed(actual) - expected.red()) <= Tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= Tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= Tolerance;
}

} // namespace

class JpegDecoderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesAtFullSizeInRgb_data()
    {
        QTest::addColumn<QSize>("size");

        QTest::newRow("backdrop 950 x 650") << QSize(950, 650);
        QTest::newRow("well done 381 x 112, odd row length") << QSize(381, 112);
        QTest::newRow("a single block, 16 x 16") << QSize(16, 16);
        QTest::newRow("partial blocks, 37 x 21") << QSize(37, 21);
    }
    void decodesAtFullSizeInRgb()
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

    void greyPictureComesOutAsRgb()
    {
        QImage grey(40, 30, QImage::Format_Grayscale8);
        grey.fill(QColor(90, 90, 90));

        const QImage image = zub::DecodeJpeg(encodeJpeg(grey), "test");

        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(image.size(), QSize(40, 30));
        QVERIFY(near(image.pixel(20, 15), QColor(90, 90, 90)));
    }

    void decoderErrorsCarryTheirNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");

        const QByteArray good = encodeJpeg(quadrants(64, 48));
        QTest::newRow("no bytes at all") << QByteArray() << int(JERR_INPUT_EMPTY);
        QTest::newRow("end marker missing, a warning") << good.chopped(2) << int(JWRN_JPEG_EOF);
    }
    void decoderErrorsCarryTheirNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);

        try {
            zub::DecodeJpeg(bytes, QStringLiteral("Backdrop"));
            QFAIL("a broken picture was decoded");
        } catch (const zub::Error& error) {
            const QRegularExpression expected(
                QStringLiteral("^JPEG error #%1 in Backdrop \\(.+\\)$").arg(code));
            QVERIFY2(expected.match(error.message()).hasMatch(), qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(JpegDecoderTest)
#include "tst_jpegdecoder.moc"
