// The shared colour table keeps the window system's static colours and fits the pictures; mapping a
// picture onto a palette picks true nearest colours, honours transparency and keeps gradients' tone.

#include "palette.h"
#include "sharedpalette.h"

#include <QTest>

using namespace zub::artgen;

namespace {

QImage horizontalGradient(QColor from, QColor to, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x) {
        const qreal t = static_cast<qreal>(x) / (size.width() - 1);
        const QRgb c = qRgb(qRound(from.red() + t * (to.red() - from.red())),
                            qRound(from.green() + t * (to.green() - from.green())),
                            qRound(from.blue() + t * (to.blue() - from.blue())));
        for (int y = 0; y < size.height(); ++y) {
            picture.setPixel(x, y, c);
        }
    }
    return picture;
}

int worstDistance(const QImage& picture, const Palette& palette)
{
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            worst = std::max(worst, Palette::distance(c, palette.colours()[palette.nearestIndex(c)]));
        }
    }
    return worst;
}

} // namespace

class PaletteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first ten and last ten entries are the static colours, whatever the pictures hold.
    void sharedTableKeepsTheStaticColoursAtBothEnds()
    {
        const QList<QRgb> table =
            BuildSharedPalette({horizontalGradient(QColor(10, 20, 90), QColor(240, 200, 40), QSize(300, 4))});
        QCOMPARE(table.size(), 256);
        QCOMPARE(table[0], qRgb(0, 0, 0));
        QCOMPARE(table[1], qRgb(128, 0, 0));
        QCOMPARE(table[7], qRgb(192, 192, 192));
        QCOMPARE(table[8], qRgb(192, 220, 192));
        QCOMPARE(table[9], qRgb(166, 202, 240));
        QCOMPARE(table[246], qRgb(255, 251, 240));
        QCOMPARE(table[247], qRgb(160, 160, 164));
        QCOMPARE(table[249], qRgb(255, 0, 0));
        QCOMPARE(table[255], qRgb(255, 255, 255));
    }

    // A picture with fewer distinct colours than free entries is matched exactly.
    void sharedTableHoldsEveryColourOfAFewColourPicture()
    {
        QImage picture(40, 5, QImage::Format_RGB32);
        for (int x = 0; x < 40; ++x) {
            for (int y = 0; y < 5; ++y) {
                picture.setPixel(x, y, qRgb(20 + 5 * x, 200 - 4 * x, (60 + 37 * x) % 256));
            }
        }
        const Palette palette(BuildSharedPalette({picture}));
        QCOMPARE(worstDistance(picture, palette), 0);
    }

    // Thousands of colours spread over 236 entries still land close: no colour is far off.
    void sharedTableFitsManyColoursClosely()
    {
        const QList<QImage> pictures = {
            horizontalGradient(QColor(0, 0, 40), QColor(90, 120, 255), QSize(400, 3)),
            horizontalGradient(QColor(120, 60, 10), QColor(255, 230, 170), QSize(400, 3)),
            horizontalGradient(QColor(20, 90, 20), QColor(200, 30, 30), QSize(400, 3))};
        const Palette palette(BuildSharedPalette(pictures));
        for (const QImage& picture : pictures) {
            QVERIFY2(worstDistance(picture, palette) <= 9 * 6 * 6,
                     "a gradient colour is more than 6 levels from its entry");
        }
    }

    // The committed pictures must come out the same on every run.
    void sharedTableIsTheSameForTheSamePictures()
    {
        const QList<QImage> pictures = {
            horizontalGradient(QColor(0, 0, 0), QColor(255, 128, 60), QSize(500, 2))};
        QCOMPARE(BuildSharedPalette(pictures), BuildSharedPalette(pictures));
    }

    void nearestIndexPicksTheClosestOpaqueEntry_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << qRgb(200, 0, 0) << 2;
        QTest::newRow("near red") << qRgb(180, 20, 10) << 2;
        QTest::newRow("near white") << qRgb(240, 250, 235) << 3;
        QTest::newRow("black never maps to the transparent entry") << qRgb(0, 0, 0) << 1;
    }

    void nearestIndexPicksTheClosestOpaqueEntry()
    {
        QFETCH(QRgb, colour);
        QFETCH(int, index);
        const Palette palette({qRgba(0, 0, 0, 0), qRgb(20, 20, 20), qRgb(200, 0, 0), qRgb(255, 255, 255)});
        QCOMPARE(palette.nearestIndex(colour), index);
    }

    // Mostly transparent pixels take the transparent entry; the rest their nearest colour.
    void quantizeSendsTransparentPixelsToTheTransparentEntry()
    {
        const Palette palette({qRgba(0, 0, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)});
        QImage picture(3, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(255, 255, 0, 40));
        picture.setPixel(1, 0, qRgba(250, 240, 10, 255));
        picture.setPixel(2, 0, qRgba(0, 0, 200, 200));
        for (const Palette::Dither dither : {Palette::Dither::None, Palette::Dither::FloydSteinberg}) {
            const QImage indexed = palette.quantize(picture, dither);
            QCOMPARE(indexed.format(), QImage::Format_Indexed8);
            QCOMPARE(indexed.colorTable(), palette.colours());
            QCOMPARE(indexed.pixelIndex(0, 0), 0);
            QCOMPARE(indexed.pixelIndex(1, 0), 2);
            QCOMPARE(indexed.pixelIndex(2, 0), 1);
        }
    }

    // A tone between two entries comes out as a mix of both whose average is the tone.
    void ditheringKeepsTheAverageTone()
    {
        const Palette palette({qRgb(0, 0, 0), qRgb(100, 100, 100)});
        QImage flat(64, 64, QImage::Format_RGB32);
        flat.fill(qRgb(30, 30, 30));

        const QImage plain = palette.quantize(flat, Palette::Dither::None);
        const QImage dithered = palette.quantize(flat, Palette::Dither::FloydSteinberg);
        int light = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                QCOMPARE(plain.pixelIndex(x, y), 0);
                light += dithered.pixelIndex(x, y);
            }
        }
        const qreal average = 100.0 * light / (64 * 64);
        QVERIFY2(std::abs(average - 30.0) < 6.0, qPrintable(QString::number(average)));
    }

    void paletteRefusesUnusableTables()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Palette({}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Palette({qRgba(0, 0, 0, 0)}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Palette(QList<QRgb>(257, qRgb(1, 2, 3))));
    }
};

QTEST_MAIN(PaletteTest)
#include "test_palette.moc"
