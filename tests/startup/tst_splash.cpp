// The intro window: placement for the screen size, the 25-tick intro length, and the skip controls.

#include "assets/datapaths.h"
#include "platform/media/mediaplayer.h"
#include "startup/application.h"
#include "startup/clickablelabel.h"
#include "startup/splash.h"

#include <QTest>
#include <memory>

using zub::TSplashScreen;

class SplashTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void placesComponentsForTheScreen();
    void showsTheSkipPictureStretchedAndTransparent();
    void introEndsAtTheTwentyFifthTickOrASkipClick_data();
    void introEndsAtTheTwentyFifthTickOrASkipClick();

private:
    std::unique_ptr<TSplashScreen> m_splash;
    std::unique_ptr<QWidget> m_board; // stands in for the board: it only has to be shown
    QStringList m_errors;
};

void SplashTest::init()
{
    m_errors.clear();
    zub::Application::instance()->setErrorReporter([this](const QString& message) { m_errors << message; });
    m_splash = std::make_unique<TSplashScreen>(zub::DataPaths(QStringLiteral(ZUB_SOURCE_DATA_DIR)));
    m_board = std::make_unique<QWidget>();
    m_splash->setMain(*m_board);
}

void SplashTest::cleanup()
{
    m_splash.reset();
    m_board.reset();
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
}

// The movie is centred on the screen and the strip runs along its bottom edge, the skip controls at its
// right end; an odd screen size is halved toward zero.
void SplashTest::placesComponentsForTheScreen()
{
    m_splash->FormCreate(1023, 1023);

    QCOMPARE(m_splash->MovieScreen().pos(), QPoint(201, 271));
    QCOMPARE(m_splash->Panel1().geometry().topRight(), QPoint(1022, 933));
    QCOMPARE(m_splash->Image1().x(), 923);
    QCOMPARE(m_splash->Label2().x(), 908);
    QCOMPARE(m_splash->Label1().x(), 451);
}

// The 74 x 75 picture is stretched to the 57 x 59 control and its background colour is not drawn.
void SplashTest::showsTheSkipPictureStretchedAndTransparent()
{
    m_splash->FormCreate(1024, 768);
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));

    QVERIFY(m_splash->Image1().hasScaledContents());
    // The picture's top-left corner has its background colour: there the black strip shows through. Above
    // "Skip Intro", the picture itself is drawn.
    QRect area = m_splash->Image1().geometry();
    area.setBottom(m_splash->Label2().y() - 1);
    const QImage shown = m_splash->Panel1().grab().toImage().copy(area);
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::black));
    QImage black(shown.size(), shown.format());
    black.fill(Qt::black);
    QVERIFY(shown != black);
}

void SplashTest::introEndsAtTheTwentyFifthTickOrASkipClick_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("click"); // on the skip picture, the "Skip Intro" text or where they overlap
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("ends");

    QTest::newRow("24 ticks") << 24 << QString() << Qt::LeftButton << false;
    QTest::newRow("25 ticks") << 25 << QString() << Qt::LeftButton << true;
    QTest::newRow("skip picture") << 3 << "picture" << Qt::LeftButton << true;
    QTest::newRow("Skip Intro") << 3 << "text" << Qt::LeftButton << true;
    QTest::newRow("where they overlap") << 3 << "overlap" << Qt::LeftButton << true;
    QTest::newRow("right button") << 3 << "picture" << Qt::RightButton << false;
}

// The 25th one-second tick of Timer1, or a click on the skip picture or "Skip Intro" before it, stops the
// timer and the movie, shows the board maximised and hides the intro; the 24th tick does nothing.
// "Skip Intro" lies across the lower part of the skip picture, and a click where they overlap skips.
void SplashTest::introEndsAtTheTwentyFifthTickOrASkipClick()
{
    QFETCH(int, ticks);
    QFETCH(QString, click);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, ends);

    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));
    QCOMPARE(m_splash->Timer1().interval(), 1000);
    for (int tick = 0; tick < ticks; ++tick)
        m_splash->Timer1Timer();

    const QRect overlap = m_splash->Image1().geometry().intersected(m_splash->Label2().geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(m_splash->Panel1().childAt(overlap.center()), &m_splash->Label2());
    if (click == QStringLiteral("overlap"))
        QTest::mouseClick(m_splash->windowHandle(), button, Qt::NoModifier,
                          m_splash->Panel1().mapTo(m_splash.get(), overlap.center()));
    else if (!click.isEmpty())
        QTest::mouseClick(click == QStringLiteral("picture") ? &m_splash->Image1() : &m_splash->Label2(),
                          button, Qt::NoModifier, QPoint(5, 5));

    QCOMPARE(m_splash->IntroTicks(), ticks);
    QCOMPARE(m_splash->introEnded(), ends);
    QCOMPARE(m_splash->Timer1().isActive(), !ends);
    QCOMPARE(m_splash->Media().isPlaying(), !ends);
    QCOMPARE(m_board->isVisible(), ends);
    QCOMPARE(bool(m_board->windowState() & Qt::WindowMaximized), ends);
    QCOMPARE(m_splash->isVisible(), !ends);
}

int main(int argc, char* argv[])
{
    zub::Application application(argc, argv);
    application.Initialize();
    SplashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_splash.moc"
