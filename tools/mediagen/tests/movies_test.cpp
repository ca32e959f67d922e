#include "gameovermovie.h"
#include "intromovie.h"
#include "introtimeline.h"
#include "moviepaint.h"

#include <QGuiApplication>
#include <QTest>

using namespace zub::mediagen;

namespace {

// Average red, green and blue over a rectangle of a frame.
struct Colour
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double brightness() const { return 0.299 * red + 0.587 * green + 0.114 * blue; }
};

Colour average(const QImage& frame, const QRect& area)
{
    Colour sum;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = frame.pixelColor(x, y);
            sum.red += pixel.red();
            sum.green += pixel.green();
            sum.blue += pixel.blue();
        }
    }
    const double count = double(area.width()) * area.height();
    return {sum.red / count, sum.green / count, sum.blue / count};
}

int brightPixels(const QImage& frame, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qGray(frame.pixel(x, y)) > 180 ? 1 : 0;
        }
    }
    return count;
}

// Pixels of the gallows' wood: brown, clearly redder than blue.
int woodPixels(const QImage& frame, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = frame.pixelColor(x, y);
            count +=
                pixel.red() > 70 && pixel.red() > pixel.blue() + 40 && pixel.green() > pixel.blue() ? 1 : 0;
        }
    }
    return count;
}

const QRect kTitleBand(0, 20, 620, 90);
const QRect kGallowsArea(55, 95, 220, 330);
const QRect kCardBand(100, 170, 420, 140);
const QRect kGallowsPostAndBase(55, 300, 220, 125); // below the card's lettering

} // namespace

class MoviesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LoadMovieFonts(); }

    void framesHaveTheMovieSize()
    {
        for (const double time : {0.0, 12.0, intro::kLength}) {
            QCOMPARE(IntroFrame(time).size(), QSize(620, 480));
        }
        for (const double time : {0.0, gameover::kLength}) {
            QCOMPARE(GameOverFrame(time).size(), QSize(270, 250));
        }
    }

    void introOpensFromBlack()
    {
        QVERIFY(average(IntroFrame(0.0), QRect(0, 0, 620, 480)).brightness() < 3.0);
    }

    void titleAppearsAtTheTop()
    {
        QVERIFY(brightPixels(IntroFrame(intro::kTitleStart - 0.1), kTitleBand) < 50); // a few stars
        QVERIFY(brightPixels(IntroFrame(3.8), kTitleBand) > 2000);
    }

    // Each stroke adds wood to the picture, none takes it away.
    void gallowsGrowsStrokeByStroke()
    {
        int previous = woodPixels(IntroFrame(intro::kGallowsStrokes.front().start - 0.1), kGallowsArea);
        QCOMPARE(previous, 0);
        for (const intro::Span& stroke : intro::kGallowsStrokes) {
            const int wood = woodPixels(IntroFrame(stroke.end + 0.05), kGallowsArea);
            QVERIFY2(wood > previous + 30, qPrintable(QStringLiteral("stroke ending %1 s").arg(stroke.end)));
            previous = wood;
        }
    }

    // The closing card stands alone: the scene has faded and only the lettering is bright.
    void introEndsOnTheVersionCard()
    {
        const QImage card = IntroFrame(intro::kLength - 0.5);
        QVERIFY(brightPixels(card, kCardBand) > 2000);
        QCOMPARE(woodPixels(card, kGallowsPostAndBase), 0);
        QVERIFY(average(card, QRect(0, 380, 620, 100)).brightness() < 10.0);
    }

    void gameOverTurnsFromNightToRed()
    {
        const Colour night = average(GameOverFrame(0.0), QRect(0, 0, 270, 150));
        QVERIFY(night.blue > night.red);
        const QImage last = GameOverFrame(gameover::kLength - 1.0 / gameover::kFramesPerSecond);
        const Colour red = average(last, QRect(0, 0, 270, 250));
        QVERIFY(red.red > 2.0 * red.green);
        QVERIFY(red.red > 2.0 * red.blue);
        QVERIFY(brightPixels(last, QRect(20, 70, 230, 110)) > 1500); // "GAME OVER"
    }

    void framesAreTheSameEveryTime()
    {
        QCOMPARE(IntroFrame(14.0), IntroFrame(14.0));
        QCOMPARE(GameOverFrame(1.5), GameOverFrame(1.5));
    }
};

QTEST_MAIN(MoviesTest)
#include "movies_test.moc"
