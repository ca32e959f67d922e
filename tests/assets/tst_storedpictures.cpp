// The pictures of the window definitions: each comes out at the size of its component, and an unknown
// name fails naming it. The intro's tests see the skip picture's background transparent.
// The JPEG decoder behind the large ones: pictures come out at full size in 24-bit colour with every
// quadrant in its place, and what the decoder rejects, or only warns about, fails with its number, the
// picture's name and its text. Broken pictures of every kind are in the robustness tests' catalogue of
// malformed pictures.
#include "assets/jpegdecoder.h"
#include "assets/storedpictures.h"
#include "testfiles.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <jerror.h>
#include <jpeglib.h>

namespace {

// A picture split into four flat quadrants of different colours.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int midX = width / 2;
    const int midY = height / 2;
    painter.fillRect(0, 0, midX, midY, QColor(200, 30, 30));
    painter.fillRect(midX, 0, width - midX, midY, QColor(30, 200, 30));
    painter.fillRect(0, midY, midX, height - midY, QColor(30, 30, 200));
    painter.fillRect(midX, midY, width - midX, height - midY, QColor(240, 240, 240));
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

bool near(QRgb actual, QRgb expected)
{
    constexpr int Tolerance = 12;
    return std::abs(qRed(actual) - qRed(expected)) <= Tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= Tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= Tolerance;
}

} // namespace

class StoredPicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Backdrop") << "Backdrop" << QSize(950, 650);
        QTest::newRow("Image1") << "Image1" << QSize(400, 184);
        QTest::newRow("Image2") << "Image2" << QSize(381, 112);
        QTest::newRow("Image3") << "Image3" << QSize(300, 242);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QString name = QStringLiteral("%1Pic").arg(QLatin1Char(letter));
            QTest::newRow(qPrintable(name)) << name << QSize(75, 36);
        }
        QTest::newRow("NewWordPic") << "NewWordPic" << QSize(348, 53);
        QTest::newRow("Glyph") << "Glyph" << QSize(36, 18);
        QTest::newRow("SkipPicture") << "SkipPicture" << QSize(74, 75);
    }
    void loadsAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(zub::StoredPicture(name).size(), size);
    }

    void tilePicturesDifferFromEachOther()
    {
        QList<QImage> seen;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QImage image = zub::StoredPicture(QStringLiteral("%1Pic").arg(QLatin1Char(letter)));
            QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("%1Pic repeats another").arg(letter)));
            seen.append(image);
        }
    }

    void mainIconIsThirtyTwoPixels()
    {
        QCOMPARE(zub::MainIcon().pixmap(QSize(32, 32)).size(), QSize(32, 32));
    }

    void unknownNameFailsNamingIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no fourth panel picture") << "Image4";
        QTest::newRow("lower-case tile") << "aPic";
        QTest::newRow("two letters") << "ABPic";
        QTest::newRow("file name instead of component") << "backdrop.jpg";
    }
    void unknownNameFailsNamingIt()
    {
        QFETCH(QString, name);
        QCOMPARE(zub::test::ErrorOf([&] { zub::StoredPicture(name); }),
                 QStringLiteral("There is no stored picture named \"%1\".").arg(name));
    }

    // Each quadrant keeps its colour, so the rows come out in order, unmirrored and unshifted.
    void decodesAtFullSizeInRgb_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("backdrop 950 x 650") << quadrants(950, 650);
        QTest::newRow("well done 381 x 112, odd row length") << quadrants(381, 112);
        QTest::newRow("a single block, 16 x 16") << quadrants(16, 16);
        QTest::newRow("partial blocks, 37 x 21") << quadrants(37, 21);
        QImage grey(40, 30, QImage::Format_Grayscale8);
        grey.fill(QColor(90, 90, 90));
        QTest::newRow("grey comes out as RGB") << grey;
    }
    void decodesAtFullSizeInRgb()
    {
        QFETCH(QImage, picture);
        const QImage image = zub::DecodeJpeg(encodeJpeg(picture), "test");
        QCOMPARE(image.size(), picture.size());
        QCOMPARE(image.format(), QImage::Format_RGB888);
        const int quarterX = picture.width() / 4;
        const int quarterY = picture.height() / 4;
        for (const int x : {quarterX, picture.width() - 1 - quarterX}) {
            for (const int y : {quarterY, picture.height() - 1 - quarterY})
                QVERIFY(near(image.pixel(x, y), picture.pixel(x, y)));
        }
    }

    void decoderErrorsCarryTheirNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::newRow("no bytes at all") << QByteArray() << int(JERR_INPUT_EMPTY);
        QTest::newRow("end marker missing, a warning")
            << encodeJpeg(quadrants(64, 48)).chopped(2) << int(JWRN_JPEG_EOF);
    }
    void decoderErrorsCarryTheirNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        const QString message =
            zub::test::ErrorOf([&] { zub::DecodeJpeg(bytes, QStringLiteral("Backdrop")); });
        const QRegularExpression expected(QStringLiteral("^JPEG error #%1 in Backdrop \\(.+\\)$").arg(code));
        QVERIFY2(expected.match(message).hasMatch(), qPrintable(message));
    }
};

QTEST_MAIN(StoredPicturesTest)
#include "tst_storedpictures.moc"
