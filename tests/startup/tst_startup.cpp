// The start-up sequence with the real windows: failures while the windows are built, the hand-over from
// the intro to the board, and the end of the game.

#include "assets/datapaths.h"
#include "assets/medianames.h"
#include "board/boardcontrols.h"
#include "board/mainscr.h"
#include "boardtestdata.h"
#include "game/game.h"
#include "startup/application.h"
#include "startup/clickablelabel.h"
#include "startup/splash.h"
#include "startup/startup.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

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

// A control of the board by its component name.
template <typename Control = QWidget> Control& BoardControl(const char* name)
{
    auto* control = Board().findChild<Control*>(QLatin1StringView(name));
    if (!control)
        qFatal("the board has no control named %s", name);
    return *control;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void missingMediaFileEndsTheProgramBeforeAnyWindow_data();
    void missingMediaFileEndsTheProgramBeforeAnyWindow();
    void introHandsOverToTheBoardWhoseGameStartsOnce();
    void boardErrorsAreShownByTheApplication();
    void closingOrExitEndsTheGameWithNoWindowLeft_data();
    void closingOrExitEndsTheGameWithNoWindowLeft();

private:
    QStringList m_errors;
};

void StartupTest::init()
{
    m_errors.clear();
    App().setErrorReporter([this](const QString& message) { m_errors << message; });
}

void StartupTest::cleanup()
{
    App().DestroyForms();
}

void StartupTest::missingMediaFileEndsTheProgramBeforeAnyWindow_data()
{
    QTest::addColumn<QString>("missing");
    for (const QString file : zub::MediaNames::All)
        QTest::newRow(qPrintable(file)) << file;
}

// A media file that cannot be opened makes its window fail to build: one error box naming the file,
// then the program ends with 0 and no window was ever shown.
void StartupTest::missingMediaFileEndsTheProgramBeforeAnyWindow()
{
    QFETCH(QString, missing);
    const BoardTestData data;
    data.remove(QStringLiteral("Intro/") + missing);
    ShownWindows shown;

    const int result = zub::RunGame(App(), data.paths(), data.highScoreFile());

    QCOMPARE(result, 0);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.front().contains(data.paths().media(missing)), qPrintable(m_errors.front()));
    QCOMPARE(shown.count, 0);
    QCOMPARE(App().MainForm(), nullptr);
}

// The intro's 25th tick shows the board, whose game starts on that first show; a later activation of
// the board does not start it again.
void StartupTest::introHandsOverToTheBoardWhoseGameStartsOnce()
{
    const BoardTestData data(QStringLiteral("CAT"));
    zub::CreateGameForms(App(), data.paths(), data.highScoreFile());
    Intro().show();
    QVERIFY(!Board().isVisible());
    QCOMPARE(Board().game().state().WordLength, 0);

    for (int tick = 0; tick < zub::TSplashScreen::kIntroLength; ++tick)
        Intro().Timer1Timer();
    QVERIFY(Board().isVisible());
    QTRY_COMPARE(Board().game().state().WordLength, 3);
    QCOMPARE(Board().game().board().Letter[0].Caption, QStringLiteral("C"));

    // A wrong guess, then the board is activated again: the game goes on where it was.
    QTest::mouseClick(&BoardControl("ZButton"), Qt::LeftButton);
    QCOMPARE(Board().game().state().WrongGuessCount, 1);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&Board(), &activate);
    QCoreApplication::processEvents();
    QCOMPARE(Board().game().state().WrongGuessCount, 1);
    QVERIFY(!Board().game().board().Tiles[25].Button.Enabled);
    QVERIFY(m_errors.isEmpty());
}

// An error in one of the board's handlers reaches the player through the application's one error box.
void StartupTest::boardErrorsAreShownByTheApplication()
{
    const BoardTestData data(QStringLiteral("CAT"));
    zub::CreateGameForms(App(), data.paths(), data.highScoreFile());
    QVERIFY(QFile::remove(data.paths().wordList1000()));

    QTest::mouseClick(&Intro().Label2(), Qt::LeftButton);

    QTRY_COMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.front().contains(QStringLiteral("datalst2.zub")), qPrintable(m_errors.front()));
}

void StartupTest::closingOrExitEndsTheGameWithNoWindowLeft_data()
{
    QTest::addColumn<bool>("useExit");
    QTest::addColumn<bool>("nameEntryOpen");
    QTest::newRow("close box") << false << false;
    QTest::newRow("File > Exit") << true << false;
    QTest::newRow("close box with the name entry open") << false << true;
    QTest::newRow("File > Exit with the name entry open") << true << true;
}

// Closing the board or choosing File > Exit ends the message loop; the program returns 0 and leaves no
// window behind, and a name typed but not confirmed is not stored.
void StartupTest::closingOrExitEndsTheGameWithNoWindowLeft()
{
    QFETCH(bool, useExit);
    QFETCH(bool, nameEntryOpen);
    const BoardTestData data(QStringLiteral("CAT"));
    bool boardWasShown = false;

    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &App(), [] { QCoreApplication::exit(1); });
    const int result = zub::RunApplication(App(), [&](Application& application) {
        zub::CreateGameForms(application, data.paths(), data.highScoreFile());
        QTimer::singleShot(0, &application, [&] {
            QTest::mouseClick(&Intro().Label2(), Qt::LeftButton);
            boardWasShown = Board().isVisible();
            if (nameEntryOpen) {
                BoardControl("EnterNamePanel").show();
                QTest::keyClicks(&BoardControl<QLineEdit>("NameText"), QStringLiteral("Nobody"));
            }
            if (useExit)
                Board().controls().Exit2->trigger();
            else
                Board().close();
        });
        watchdog.start(10000);
    });

    QCOMPARE(result, 0);
    QVERIFY2(watchdog.isActive(), "the message loop did not end");
    QVERIFY(boardWasShown);
    QCOMPARE(App().MainForm(), nullptr);
    for (const QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    QFile saved(data.highScoreFile());
    if (saved.open(QIODevice::ReadOnly))
        QVERIFY(!saved.readAll().contains("Nobody"));
    QVERIFY(m_errors.isEmpty());
}

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    application.Initialize();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
