// The JPEG encoder writes baseline JFIF 1.02 streams without chroma subsampling, with a restart marker
// after every block row and the Exif, XMP, ICC, image-resource and Adobe segments, all well formed.

#include "jpegfile.h"

#include <QColorSpace>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

using namespace zub::artgen;

namespace {

struct Segment
{
    int marker;
    QByteArray payload; // without the length field
};

// The marker segments before the entropy-coded data, and the number of restart markers in it.
struct JpegParts
{
    QList<Segment> segments;
    int restartMarkers = 0;
    bool endsWithEoi = false;
};

JpegParts parse(const QByteArray& bytes)
{
    JpegParts parts;
    if (bytes.size() < 4 || quint8(bytes[0]) != 0xFF || quint8(bytes[1]) != 0xD8) {
        return parts;
    }
    int at = 2;
    while (at + 4 <= bytes.size() && quint8(bytes[at]) == 0xFF) {
        const int marker = quint8(bytes[at + 1]);
        const int length = qFromBigEndian<quint16>(bytes.constData() + at + 2);
        parts.segments.append({marker, bytes.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == 0xDA) { // start of scan: entropy-coded data follows
            break;
        }
    }
    for (; at + 1 < bytes.size(); ++at) {
        if (quint8(bytes[at]) == 0xFF && quint8(bytes[at + 1]) >= 0xD0 && quint8(bytes[at + 1]) <= 0xD7) {
            ++parts.restartMarkers;
        }
    }
    parts.endsWithEoi = bytes.endsWith(QByteArray("\xFF\xD9", 2));
    return parts;
}

QList<Segment> withMarker(const JpegParts& parts, int marker)
{
    QList<Segment> found;
    for (const Segment& s : parts.segments) {
        if (s.marker == marker) {
            found.append(s);
        }
    }
    return found;
}

QImage sample(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, y, qRgb(x % 256, (2 * y) % 256, (x + y) % 256));
        }
    }
    return picture;
}

} // namespace

class JpegFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restartIntervalIsOneBlockRow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("interval");
        QTest::newRow("backdrop") << QSize(950, 650) << 119;
        QTest::newRow("name entry") << QSize(400, 184) << 50;
        QTest::newRow("well done") << QSize(381, 112) << 48;
        QTest::newRow("about") << QSize(300, 242) << 38;
    }

    // The restart interval is stored and the markers really are in the data, one per block row.
    void restartIntervalIsOneBlockRow()
    {
        QFETCH(QSize, size);
        QFETCH(int, interval);
        const JpegParts parts = parse(EncodeJpeg(sample(size), QStringLiteral("test")));
        const QList<Segment> dri = withMarker(parts, 0xDD);
        QCOMPARE(dri.size(), 1);
        QCOMPARE(int(qFromBigEndian<quint16>(dri[0].payload.constData())), interval);
        QCOMPARE(parts.restartMarkers, (size.height() + 7) / 8 - 1);
        QVERIFY(parts.endsWithEoi);
    }

    // One baseline frame, 8-bit, three components each sampled 1 x 1.
    void frameIsBaselineWithoutSubsampling()
    {
        const JpegParts parts = parse(EncodeJpeg(sample(QSize(40, 24)), QStringLiteral("test")));
        QCOMPARE(withMarker(parts, 0xC2).size(), 0);
        const QList<Segment> sof = withMarker(parts, 0xC0);
        QCOMPARE(sof.size(), 1);
        const QByteArray& frame = sof[0].payload;
        QCOMPARE(quint8(frame[0]), quint8(8));
        QCOMPARE(int(qFromBigEndian<quint16>(frame.constData() + 1)), 24);
        QCOMPARE(int(qFromBigEndian<quint16>(frame.constData() + 3)), 40);
        QCOMPARE(quint8(frame[5]), quint8(3));
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(quint8(frame[6 + 3 * c + 1]), quint8(0x11));
        }
    }

    void jfifSegmentIsVersion102At72Dpi()
    {
        const JpegParts parts = parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("test")));
        QVERIFY(!parts.segments.isEmpty());
        QCOMPARE(parts.segments[0].marker, 0xE0);
        const QByteArray& jfif = parts.segments[0].payload;
        QCOMPARE(jfif.left(5), QByteArray("JFIF\0", 5));
        QCOMPARE(quint8(jfif[5]), quint8(1));
        QCOMPARE(quint8(jfif[6]), quint8(2));
        QCOMPARE(quint8(jfif[7]), quint8(1)); // dots per inch
        QCOMPARE(int(qFromBigEndian<quint16>(jfif.constData() + 8)), 72);
        QCOMPARE(int(qFromBigEndian<quint16>(jfif.constData() + 10)), 72);
    }

    void adobeSegmentSaysYCbCr()
    {
        const QList<Segment> adobe =
            withMarker(parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("t"))), 0xEE);
        QCOMPARE(adobe.size(), 1);
        QVERIFY(adobe[0].payload.startsWith("Adobe"));
        QCOMPARE(quint8(adobe[0].payload[11]), quint8(1)); // transform: YCbCr
    }

    // Exif: a little-endian TIFF whose directories and offsets a reader can follow.
    void exifIsAReadableTiffStructure()
    {
        const JpegParts parts = parse(EncodeJpeg(sample(QSize(123, 45)), QStringLiteral("t")));
        QByteArray tiff;
        for (const Segment& s : withMarker(parts, 0xE1)) {
            if (s.payload.startsWith(QByteArray("Exif\0\0", 6))) {
                tiff = s.payload.mid(6);
            }
        }
        QVERIFY(tiff.startsWith(QByteArray("II*\0", 4)));
        auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(tiff.constData() + at)); };
        auto u32 = [&](int at) { return int(qFromLittleEndian<quint32>(tiff.constData() + at)); };
        // Finds a tag in the directory at `dir` and returns the offset of its value field.
        auto field = [&](int dir, int tag) {
            for (int i = 0; i < u16(dir); ++i) {
                if (u16(dir + 2 + 12 * i) == tag) {
                    return dir + 2 + 12 * i + 8;
                }
            }
            return -1;
        };
        const int main = u32(4);
        QVERIFY(main + 2 <= tiff.size());
        QVERIFY(main + 2 + 12 * u16(main) + 4 <= tiff.size());
        const int xResolution = field(main, 0x011A);
        QVERIFY(xResolution > 0);
        QVERIFY(u32(xResolution) + 8 <= tiff.size());
        QCOMPARE(u32(u32(xResolution)), 72);
        QCOMPARE(u32(u32(xResolution) + 4), 1);
        QCOMPARE(u16(field(main, 0x0128)), 2); // inches
        const int exif = u32(field(main, 0x8769));
        QVERIFY(exif + 2 + 12 * u16(exif) + 4 <= tiff.size());
        QCOMPARE(u32(field(exif, 0xA002)), 123);
        QCOMPARE(u32(field(exif, 0xA003)), 45);
    }

    void xmpIsWellFormedXml()
    {
        const JpegParts parts = parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("Board & <tiles>")));
        const QByteArray id("http://ns.adobe.com/xap/1.0/\0", 29);
        QByteArray packet;
        for (const Segment& s : withMarker(parts, 0xE1)) {
            if (s.payload.startsWith(id)) {
                packet = s.payload.mid(id.size());
            }
        }
        QVERIFY(!packet.isEmpty());
        QXmlStreamReader xml(packet);
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("li")) {
                title = xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(title, QStringLiteral("Board & <tiles>"));
    }

    void iccProfileIsSrgb()
    {
        const QList<Segment> app2 =
            withMarker(parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("t"))), 0xE2);
        QCOMPARE(app2.size(), 1);
        QVERIFY(app2[0].payload.startsWith(QByteArray("ICC_PROFILE\0", 12)));
        QCOMPARE(quint8(app2[0].payload[12]), quint8(1)); // chunk 1 ...
        QCOMPARE(quint8(app2[0].payload[13]), quint8(1)); // ... of 1
        const QColorSpace space = QColorSpace::fromIccProfile(app2[0].payload.mid(14));
        QVERIFY(space.isValid());
        QCOMPARE(space, QColorSpace(QColorSpace::SRgb));
    }

    void imageResourceBlockHoldsAnEmptyIptcRecord()
    {
        const QList<Segment> app13 =
            withMarker(parse(EncodeJpeg(sample(QSize(16, 16)), QStringLiteral("t"))), 0xED);
        QCOMPARE(app13.size(), 1);
        const QByteArray& block = app13[0].payload;
        QVERIFY(block.startsWith(QByteArray("Photoshop 3.0\0", 14)));
        QCOMPARE(block.mid(14, 4), QByteArray("8BIM"));
        QCOMPARE(int(qFromBigEndian<quint16>(block.constData() + 18)), 0x0404);
        QCOMPARE(block.size(), 14 + 4 + 2 + 2 + 4); // empty name, zero-length record
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
