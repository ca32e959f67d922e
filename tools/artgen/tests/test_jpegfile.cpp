// The JPEG encoder writes baseline JFIF 1.02 streams without chroma subsampling, with a restart marker
// after every block row and the Exif, XMP, ICC, image-resource and Adobe segments, and decodes close to
// the picture it was given.

#include "jpegfile.h"

#include <QColorSpace>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

using namespace zub::artgen;

namespace {

// The payload (without the length field) of every marker segment before the entropy-coded data, by
// marker, and the number of restart markers in that data.
struct JpegParts
{
    QMultiMap<int, QByteArray> segments;
    int firstMarker = 0;
    int restartMarkers = 0;
};

JpegParts parse(const QByteArray& bytes)
{
    JpegParts parts;
    int at = 2;
    while (bytes.startsWith("\xFF\xD8") && at + 4 <= bytes.size() && quint8(bytes[at]) == 0xFF) {
        const int marker = quint8(bytes[at + 1]);
        const int length = qFromBigEndian<quint16>(bytes.constData() + at + 2);
        parts.firstMarker = parts.firstMarker ? parts.firstMarker : marker;
        parts.segments.insert(marker, bytes.mid(at + 4, length - 2));
        at += 2 + length;
        if (marker == 0xDA) // start of scan: entropy-coded data follows
            break;
    }
    for (; at + 1 < bytes.size(); ++at)
        parts.restartMarkers += quint8(bytes[at]) == 0xFF && (quint8(bytes[at + 1]) & 0xF8) == 0xD0;
    return parts;
}

QImage sample(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, (2 * y) % 256, (x + y) % 256));
    }
    return picture;
}

} // namespace

class JpegFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void streamHoldsItsSegments_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("interval");
        QTest::newRow("backdrop") << QSize(950, 650) << 119;
        QTest::newRow("about") << QSize(300, 242) << 38;
    }
    // One restart marker per block row; one 8-bit baseline frame of three components sampled 1 x 1;
    // JFIF 1.02 first, then Exif, XMP, an sRGB ICC profile, the image resources and Adobe's YCbCr.
    void streamHoldsItsSegments()
    {
        QFETCH(QSize, size);
        QFETCH(int, interval);
        const QByteArray bytes = EncodeJpeg(sample(size), QStringLiteral("test"));
        const JpegParts parts = parse(bytes);
        QVERIFY(bytes.endsWith("\xFF\xD9"));
        QCOMPARE(int(qFromBigEndian<quint16>(parts.segments.value(0xDD).constData())), interval);
        QCOMPARE(parts.restartMarkers, (size.height() + 7) / 8 - 1);
        QVERIFY(!parts.segments.contains(0xC2));
        const QByteArray frame = parts.segments.value(0xC0);
        QCOMPARE(quint8(frame[0]), quint8(8));
        QCOMPARE(qFromBigEndian<quint16>(frame.constData() + 1), size.height());
        QCOMPARE(qFromBigEndian<quint16>(frame.constData() + 3), size.width());
        QCOMPARE(quint8(frame[5]), quint8(3));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(quint8(frame[7 + 3 * c]), quint8(0x11));
        QCOMPARE(parts.firstMarker, 0xE0);
        QCOMPARE(parts.segments.value(0xE0).left(8), QByteArray("JFIF\0\x01\x02\x01", 8));
        const QList<QByteArray> app1 = parts.segments.values(0xE1);
        QVERIFY(std::any_of(app1.begin(), app1.end(), [](const QByteArray& s) {
            return s.startsWith(QByteArray("Exif\0\0II*\0", 10));
        }));
        const QByteArray icc = parts.segments.value(0xE2);
        QVERIFY(icc.startsWith(QByteArray("ICC_PROFILE\0\x01\x01", 14)));
        QCOMPARE(QColorSpace::fromIccProfile(icc.mid(14)), QColorSpace(QColorSpace::SRgb));
        QVERIFY(parts.segments.value(0xED).startsWith(QByteArray("Photoshop 3.0\0", 14)));
        QCOMPARE(parts.segments.value(0xEE).mid(0, 5), QByteArray("Adobe"));
        QCOMPARE(quint8(parts.segments.value(0xEE)[11]), quint8(1));
    }

    // The title goes into the XMP packet escaped, so the packet stays well-formed XML.
    void xmpTitleIsEscaped()
    {
        const QByteArray id("http://ns.adobe.com/xap/1.0/\0", 29);
        QByteArray packet;
        for (const QByteArray& s : parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("Board & <tiles>")))
                                       .segments.values(0xE1))
            packet = s.startsWith(id) ? s.mid(id.size()) : packet;
        QXmlStreamReader xml(packet);
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("li"))
                title = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(title, QStringLiteral("Board & <tiles>"));
    }

    // What comes back from a decoder is the picture, to within JPEG's loss.
    void decodesCloseToTheOriginal()
    {
        const QImage original = sample(QSize(64, 48));
        const QImage decoded = QImage::fromData(EncodeJpeg(original, QStringLiteral("t")), "JPEG");
        QCOMPARE(decoded.size(), original.size());
        qint64 error = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb a = original.pixel(x, y);
                const QRgb b = decoded.pixel(x, y);
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
            }
        }
        QVERIFY2(error / (64.0 * 48 * 3) < 4.0, qPrintable(QString::number(error / (64.0 * 48 * 3))));
    }
};

QTEST_MAIN(JpegFileTest)
#include "test_jpegfile.moc"
