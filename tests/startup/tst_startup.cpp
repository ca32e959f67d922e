// The intro window, the application object and the start-up sequence with the real windows: the intro's
// placing, its 25 ticks and its skip controls; errors from event handlers are shown and the game goes
// on, failures while the windows are built end the program before any window, the intro hands over to
// the board, and the message loop ends through Terminate or the close of a main window, and only then.

#include "assets/datapaths.h"
#include "board/clickablelabel.h"
#include "board/mainscr.h"
#include "boardtestdata.h"
#include "game/cues.h"
#include "game/game.h"
#include "platform/error.h"
#include "platform/media/mediahandle.h"
#include "platform/terminate.h"
#include "startup/application.h"
#include "startup/splash.h"
#include "startup/startup.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

using zub::Application;

namespace {

Application& App()
{
    return *Application::instance();
}

// Counts the windows that are shown while it is installed.
class ShownWindows : public QObject
{
public:
    ShownWindows() { App().installEventFilter(this); }
    ~ShownWindows() override { App().removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ++count;
        return false;
    }
};

// Runs the message loop through run with action queued as its first event, and tells whether the loop
// ended by itself: one still running after 10 s is ended, so that it fails the test instead of hanging it.
bool LoopEnds(
    const std::function<void()>& action, const std::function<void()>& run = [] { App().Run(); })
{
    QTimer::singleShot(0, &App(), action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &App(), [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    run();
    return watchdog.isActive();
}

// An intro on the game's own data, whose board is a stand-in window that only has to be shown.
struct StandIn
{
    zub::TSplashScreen& intro;
    QWidget& board;
};
StandIn IntroBeforeAStandInBoard()
{
    auto& intro = App().CreateForm<zub::TSplashScreen>(zub::DataPaths(QStringLiteral(ZUB_SOURCE_DATA_DIR)));
    auto& board = App().CreateForm<QWidget>();
    intro.setMain(board);
    return {intro, board};
}

zub::TSplashScreen& Intro()
{
    return *static_cast<zub::TSplashScreen*>(App().MainForm());
}

zub::TMain& Board()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* board = qobject_cast<zub::TMain*>(window))
            return *board;
    }
    qFatal("the board was not built");
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_errors.clear();
        App().setErrorReporter([this](const QString& message) { m_errors << message; });
    }

    void cleanup()
    {
        App().DestroyForms();
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
    }

    // The movie is centred on the screen and the strip runs along its bottom edge, the skip controls at its
    // right end; an odd screen size is halved toward zero.
    void placesComponentsForTheScreen()
    {
        zub::TSplashScreen& intro = IntroBeforeAStandInBoard().intro;
        intro.FormCreate(1023, 1023);

        QCOMPARE(intro.MovieScreen().pos(), QPoint(201, 271));
        QCOMPARE(intro.Panel1().geometry().topRight(), QPoint(1022, 933));
        QCOMPARE(intro.Image1().x(), 923);
        QCOMPARE(intro.Label2().x(), 908);
        QCOMPARE(intro.Label1().x(), 451);
    }

    // The 74 x 75 picture is stretched to the 57 x 59 control and its background colour is not drawn.
    void showsTheSkipPictureStretchedAndTransparent()
    {
        zub::TSplashScreen& intro = IntroBeforeAStandInBoard().intro;
        intro.FormCreate(1024, 768);
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));

        QVERIFY(intro.Image1().hasScaledContents());
        // The picture's top-left corner has its background colour: there the black strip shows through. Above
        // "Skip Intro", the picture itself is drawn.
        QRect area = intro.Image1().geometry();
        area.setBottom(intro.Label2().y() - 1);
        const QImage shown = intro.Panel1().grab().toImage().copy(area);
        QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::black));
        QImage black(shown.size(), shown.format());
        black.fill(Qt::black);
        QVERIFY(shown != black);
    }

    void introEndsAtTheTwentyFifthTickOrASkipClick_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("click"); // on the skip picture, or where "Skip Intro" lies across it
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("ends");

        QTest::newRow("24 ticks") << 24 << QString() << Qt::LeftButton << false;
        QTest::newRow("25 ticks") << 25 << QString() << Qt::LeftButton << true;
        QTest::newRow("skip picture") << 3 << "picture" << Qt::LeftButton << true;
        QTest::newRow("where they overlap") << 3 << "overlap" << Qt::LeftButton << true;
        QTest::newRow("right button") << 3 << "picture" << Qt::RightButton << false;
    }

    // The 25th one-second tick of Timer1, or a click on the skip picture or "Skip Intro" before it, stops the
    // timer and the movie, shows the board maximised and hides the intro; the 24th tick does nothing.
    // "Skip Intro" lies across the lower part of the skip picture, and a click where they overlap reaches it
    // and skips.
    void introEndsAtTheTwentyFifthTickOrASkipClick()
    {
        QFETCH(int, ticks);
        QFETCH(QString, click);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, ends);
        auto [intro, board] = IntroBeforeAStandInBoard();
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        QCOMPARE(intro.Timer1().interval(), 1000);
        QVERIFY(!intro.Timer1().isSingleShot());
        for (int tick = 0; tick < ticks; ++tick)
            intro.Timer1Timer();

        const QRect overlap = intro.Image1().geometry().intersected(intro.Label2().geometry());
        QVERIFY(!overlap.isEmpty());
        QCOMPARE(intro.Panel1().childAt(overlap.center()), &intro.Label2());
        if (click == QStringLiteral("overlap"))
            QTest::mouseClick(intro.windowHandle(), button, Qt::NoModifier,
                              intro.Panel1().mapTo(&intro, overlap.center()));
        else if (!click.isEmpty())
            QTest::mouseClick(&intro.Image1(), button, Qt::NoModifier, QPoint(5, 5));

        QCOMPARE(intro.IntroTicks(), ticks);
        QCOMPARE(intro.introEnded(), ends);
        QCOMPARE(intro.Timer1().isActive(), !ends);
        QCOMPARE(intro.Media().isPlaying(), !ends);
        QCOMPARE(board.isVisible(), ends);
        QCOMPARE(bool(board.windowState() & Qt::WindowMaximized), ends);
        QCOMPARE(intro.isVisible(), !ends);
    }

    // An error inside an event handler, of whatever kind, is shown once in the error box, and the next
    // event is handled.
    void handlerErrorsAreShownAndTheGameGoesOn()
    {
        QTimer::singleShot(0, &App(),
                           [] { throw zub::Error(QStringLiteral("Cannot read \"datalst2.zub\".")); });
        QTimer::singleShot(0, &App(), [] { throw std::out_of_range("vector::at"); });
        QTimer::singleShot(0, &App(), [] { throw 42; });
        bool nextHandled = false;
        QTimer::singleShot(0, &App(), [&] { nextHandled = true; });
        QTRY_VERIFY(nextHandled);
        QCOMPARE(m_errors, (QStringList{"Cannot read \"datalst2.zub\".", "vector::at",
                                        "An unexpected error stopped the game's last action."}));
        m_errors.clear();
    }

    void missingMediaFileEndsTheProgramBeforeAnyWindow_data()
    {
        QTest::addColumn<QString>("missing");
        for (const QString file : zub::kMediaFiles)
            QTest::newRow(qPrintable(file)) << file;
    }

    // A media file that cannot be opened makes its window fail to build: one error box naming the file,
    // then the program ends with 0 and no window was ever shown.
    void missingMediaFileEndsTheProgramBeforeAnyWindow()
    {
        QFETCH(QString, missing);
        const BoardTestData data;
        data.remove(QStringLiteral("Intro/") + missing);
        ShownWindows shown;

        const int result = zub::RunGame(App(), data.paths(), data.highScoreFile());

        QCOMPARE(result, 0);
        QCOMPARE(m_errors.size(), 1);
        const QString error = m_errors.takeFirst();
        QVERIFY2(error.contains(data.paths().media(missing)), qPrintable(error));
        QCOMPARE(shown.count, 0);
        QCOMPARE(App().MainForm(), nullptr);
    }

    // Skipping the intro shows the board, whose game starts on that first show and takes the player's
    // clicks. An error in one of the board's handlers then reaches the player through the application's one
    // error box.
    void introHandsOverToTheBoardWhoseGameStartsOnce()
    {
        const BoardTestData data(QStringLiteral("CAT"));
        zub::CreateGameForms(App(), data.paths(), data.highScoreFile());
        Intro().show();
        QCOMPARE(Board().game().state().WordLength, 0);

        QTest::mouseClick(&Intro().Label2(), Qt::LeftButton);
        QVERIFY(Board().isVisible());
        QTRY_COMPARE(Board().game().state().WordLength, 3);
        QCOMPARE(Board().game().flags().Letter[0].Caption, QStringLiteral("C"));

        QTest::mouseClick(Board().findChild<QWidget*>(QStringLiteral("ZButton")), Qt::LeftButton);
        QCOMPARE(Board().game().state().WrongGuessCount, 1);

        QVERIFY(QFile::remove(data.paths().wordList1000()));
        Board().findChild<QAction*>(QStringLiteral("Exit1"))->trigger(); // New Game reads the word list
        QCOMPARE(m_errors.size(), 1);
        const QString error = m_errors.takeFirst();
        QVERIFY2(error.contains(QStringLiteral("datalst2.zub")), qPrintable(error));
    }

    // Hiding the intro, or closing a window other than the main one, leaves the loop running; Terminate ends
    // it, also while a nested loop runs, as it does while an error box is open.
    void onlyTerminateEndsTheLoopAlsoFromAnOpenErrorBox()
    {
        const StandIn shown = IntroBeforeAStandInBoard(); // whole: clang 14 cannot capture unpacked names
        bool ranOn = false;
        bool boxClosed = false;
        App().setErrorReporter([&](const QString&) {
            QTimer::singleShot(0, &App(), [] { zub::Terminate(); });
            QEventLoop box;
            box.exec();
            boxClosed = true;
        });

        QVERIFY(LoopEnds([&] {
            QTest::mouseClick(&shown.intro.Label2(), Qt::LeftButton);
            shown.board.close();
            QTimer::singleShot(50, &App(), [&] {
                ranOn = true;
                App().ShowException(QStringLiteral("broken"));
            });
        }));
        QVERIFY(ranOn);
        QVERIFY(boxClosed);
    }

    void closingOrExitEndsTheGameWithNoWindowLeft_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("intro's close box") << "intro";
        QTest::newRow("close box with the name entry open") << "close";
        QTest::newRow("File > Exit with the name entry open") << "exit";
    }

    // Closing the intro or the board, or choosing File > Exit, ends the message loop; the program returns 0
    // and leaves no window behind, and a name typed into the open name entry but not confirmed is not
    // stored.
    void closingOrExitEndsTheGameWithNoWindowLeft()
    {
        QFETCH(QString, ending);
        const BoardTestData data(QStringLiteral("CAT"));
        int result = -1;

        QVERIFY(LoopEnds(
            [&] {
                if (ending == QStringLiteral("intro")) {
                    Intro().close();
                    return;
                }
                QTest::mouseClick(&Intro().Label2(), Qt::LeftButton);
                QVERIFY(Board().isVisible());
                Board().findChild<QWidget*>(QStringLiteral("EnterNamePanel"))->show();
                QTest::keyClicks(Board().findChild<QWidget*>(QStringLiteral("NameText")),
                                 QStringLiteral("Nobody"));
                if (ending == QStringLiteral("exit"))
                    Board().findChild<QAction*>(QStringLiteral("Exit2"))->trigger();
                else
                    Board().close();
            },
            [&] {
                result = zub::RunApplication(App(), [&](Application& application) {
                    zub::CreateGameForms(application, data.paths(), data.highScoreFile());
                });
            }));

        QCOMPARE(result, 0);
        QCOMPARE(App().MainForm(), nullptr);
        for (const QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        QFile saved(data.highScoreFile());
        if (saved.open(QIODevice::ReadOnly))
            QVERIFY(!saved.readAll().contains("Nobody"));
    }

private:
    QStringList m_errors;
};

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    application.Initialize();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
