// The intro window: placement for the screen size, the 25-tick intro length, and the skip controls.

#include "assets/datapaths.h"
#include "assets/storedpictures.h"
#include "platform/media/mediaplayer.h"
#include "startup/application.h"
#include "startup/clickablelabel.h"
#include "startup/splash.h"

#include <QTest>
#include <memory>

using zub::TSplashScreen;

namespace {

// The game's own data folder, with the real intro movie.
zub::DataPaths SourceData()
{
    return zub::DataPaths(QStringLiteral(ZUB_SOURCE_DATA_DIR));
}

} // namespace

class SplashTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void placesComponentsForTheScreen_data();
    void placesComponentsForTheScreen();
    void showsTheSkipPictureStretchedAndTransparent();
    void endsAfterTwentyFiveTicks();
    void skipControlEndsTheIntroAtOnce_data();
    void skipControlEndsTheIntroAtOnce();
    void skipTextLiesOverTheSkipPicture();

private:
    std::unique_ptr<TSplashScreen> m_splash;
    std::unique_ptr<QWidget> m_board; // stands in for the board: it only has to be shown
    QStringList m_errors;
};

void SplashTest::init()
{
    m_errors.clear();
    zub::Application::instance()->setErrorReporter([this](const QString& message) { m_errors << message; });
    m_splash = std::make_unique<TSplashScreen>(SourceData());
    m_board = std::make_unique<QWidget>();
    m_splash->setMain(*m_board);
}

void SplashTest::cleanup()
{
    m_splash.reset();
    m_board.reset();
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
}

void SplashTest::placesComponentsForTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("movieScreen");
    QTest::addColumn<int>("panelTop");
    QTest::addColumn<int>("image1Left");
    QTest::addColumn<int>("label2Left");
    QTest::addColumn<int>("label1Left");

    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(202, 144) << 678 << 924 << 909 << 452;
    QTest::newRow("odd 1023 x 1023 halves toward zero")
        << QSize(1023, 1023) << QPoint(201, 271) << 933 << 923 << 908 << 451;
}

// The movie is centred on the screen and the strip runs along its bottom edge, the skip controls at its
// right end.
void SplashTest::placesComponentsForTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, movieScreen);
    QFETCH(int, panelTop);
    QFETCH(int, image1Left);
    QFETCH(int, label2Left);
    QFETCH(int, label1Left);

    m_splash->FormCreate(screen.width(), screen.height());

    QCOMPARE(m_splash->MovieScreen().pos(), movieScreen);
    QCOMPARE(m_splash->Panel1().y(), panelTop);
    QCOMPARE(m_splash->Panel1().width(), screen.width());
    QCOMPARE(m_splash->Image1().x(), image1Left);
    QCOMPARE(m_splash->Label2().x(), label2Left);
    QCOMPARE(m_splash->Label1().x(), label1Left);
}

// The 74 x 75 picture is stretched to the 57 x 59 control and its background colour is not drawn.
void SplashTest::showsTheSkipPictureStretchedAndTransparent()
{
    m_splash->FormCreate(1024, 768);
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));

    QVERIFY(m_splash->Image1().hasScaledContents());
    // The picture's background colour is taken from its bottom-left pixel; its top-left corner has the
    // same colour, and there the black strip shows through.
    const QImage stored = zub::StoredPicture(QStringLiteral("SkipPicture"));
    QCOMPARE(stored.pixelColor(0, stored.height() - 1).alpha(), 0);
    QCOMPARE(stored.pixelColor(0, 0).alpha(), 0);
    const QImage shown = m_splash->Panel1().grab().toImage();
    const QRect area = m_splash->Image1().geometry();
    QCOMPARE(QColor(shown.pixel(area.topLeft())), QColor(Qt::black));
    // Somewhere above "Skip Intro" the picture itself is drawn.
    bool drawn = false;
    for (int y = area.top(); y < m_splash->Label2().y() && !drawn; ++y) {
        for (int x = area.left(); x <= area.right() && !drawn; ++x)
            drawn = QColor(shown.pixel(x, y)) != QColor(Qt::black);
    }
    QVERIFY(drawn);
}

// With no click, the 25th tick of Timer1 stops the timer and the movie, shows the board and hides the
// intro; the 24th does nothing.
void SplashTest::endsAfterTwentyFiveTicks()
{
    m_splash->show();
    QVERIFY(m_splash->Timer1().isActive());
    QCOMPARE(m_splash->Timer1().interval(), 1000);

    for (int tick = 1; tick < TSplashScreen::kIntroLength; ++tick)
        m_splash->Timer1Timer();
    QCOMPARE(m_splash->IntroTicks(), 24);
    QVERIFY(m_splash->isVisible());
    QVERIFY(!m_board->isVisible());
    QVERIFY(m_splash->Timer1().isActive());

    m_splash->Timer1Timer();

    QCOMPARE(m_splash->IntroTicks(), 25);
    QVERIFY(m_splash->introEnded());
    QVERIFY(!m_splash->Timer1().isActive());
    QVERIFY(!m_splash->Media().isPlaying());
    QVERIFY(m_board->isVisible());
    QVERIFY(m_board->windowState() & Qt::WindowMaximized);
    QVERIFY(!m_splash->isVisible());
}

void SplashTest::skipControlEndsTheIntroAtOnce_data()
{
    QTest::addColumn<bool>("onPicture"); // the skip picture, or the "Skip Intro" text
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("ends");

    QTest::newRow("skip picture") << true << Qt::LeftButton << true;
    QTest::newRow("Skip Intro") << false << Qt::LeftButton << true;
    QTest::newRow("right button") << true << Qt::RightButton << false;
}

// A click on the skip picture or "Skip Intro" before the 25th tick ends the intro at once; the timer
// then never reaches 25.
void SplashTest::skipControlEndsTheIntroAtOnce()
{
    QFETCH(bool, onPicture);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, ends);

    m_splash->FormCreate(1024, 768);
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));
    for (int tick = 0; tick < 3; ++tick)
        m_splash->Timer1Timer();

    zub::ClickableLabel& control = onPicture ? m_splash->Image1() : m_splash->Label2();
    QTest::mouseClick(&control, button, Qt::NoModifier, QPoint(5, 5));

    QCOMPARE(m_splash->introEnded(), ends);
    QCOMPARE(m_splash->Timer1().isActive(), !ends);
    QCOMPARE(m_board->isVisible(), ends);
    QCOMPARE(m_splash->isVisible(), !ends);
    QCOMPARE(m_splash->IntroTicks(), 3);
    if (ends)
        QVERIFY(!m_splash->Media().isPlaying());
}

// "Skip Intro" lies across the lower part of the skip picture; a click where they overlap still skips.
void SplashTest::skipTextLiesOverTheSkipPicture()
{
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));

    const QRect overlap = m_splash->Image1().geometry().intersected(m_splash->Label2().geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(m_splash->Panel1().childAt(overlap.center()), &m_splash->Label2());

    QTest::mouseClick(m_splash->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      m_splash->Panel1().mapTo(m_splash.get(), overlap.center()));
    QVERIFY(m_splash->introEnded());
}

int main(int argc, char* argv[])
{
    zub::Application application(argc, argv);
    application.Initialize();
    SplashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_splash.moc"
