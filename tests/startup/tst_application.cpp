// The application object: errors from event handlers are shown and the game goes on; the message loop
// ends through Terminate or the close of the main window, and only then.

#include "assets/datapaths.h"
#include "platform/error.h"
#include "startup/application.h"
#include "startup/clickablelabel.h"
#include "startup/splash.h"

#include <QEventLoop>
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

// An object whose handler throws what it is told to for the first event, and counts every event.
class FailingReceiver : public QObject
{
public:
    std::function<void()> failure;
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        if (handled == 1 && failure)
            failure();
        return true;
    }
};

// Runs the message loop with action queued as its first event. A loop still running after 10 s is
// ended with code 1, so a loop that does not end fails the test instead of hanging it.
int RunLoopWith(const std::function<void()>& action)
{
    QTimer::singleShot(0, &App(), action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &App(), [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    App().Run();
    return watchdog.isActive() ? 0 : 1;
}

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void handlerErrorIsShownAndTheGameGoesOn_data();
    void handlerErrorIsShownAndTheGameGoesOn();
    void closingTheMainWindowEndsTheLoop();
    void hidingTheIntroKeepsTheLoopRunning();
    void terminateEndsTheLoopAlsoFromAnOpenErrorBox();

private:
    QStringList m_errors;
};

void ApplicationTest::init()
{
    m_errors.clear();
    App().setErrorReporter([this](const QString& message) { m_errors << message; });
}

void ApplicationTest::cleanup()
{
    App().DestroyForms();
}

void ApplicationTest::handlerErrorIsShownAndTheGameGoesOn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");

    QTest::newRow("game error") << 0 << QStringLiteral("Cannot read \"datalst2.zub\".");
    QTest::newRow("standard exception") << 1 << QStringLiteral("vector::at");
    QTest::newRow("anything else is still described")
        << 2 << QStringLiteral("An unexpected error stopped the game's last action.");
}

// An error inside an event handler is shown once, in the error box, and the next event is handled.
void ApplicationTest::handlerErrorIsShownAndTheGameGoesOn()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);

    FailingReceiver receiver;
    receiver.failure = [kind] {
        if (kind == 0)
            throw zub::Error(QStringLiteral("Cannot read \"datalst2.zub\"."));
        if (kind == 1)
            throw std::out_of_range("vector::at");
        throw 42;
    };
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&receiver);

    QCOMPARE(receiver.handled, 2);
    QCOMPARE(m_errors, QStringList{shown});
}

// Closing the intro, the main window of the loop, ends the game.
void ApplicationTest::closingTheMainWindowEndsTheLoop()
{
    const zub::DataPaths data(QStringLiteral(ZUB_SOURCE_DATA_DIR));
    auto& intro = App().CreateForm<zub::TSplashScreen>(data);

    QCOMPARE(RunLoopWith([&] { intro.close(); }), 0);
    QVERIFY(m_errors.isEmpty());
}

// The intro hides when it hands over; the loop goes on with the board, also when a window other than
// the main one is closed, until Terminate.
void ApplicationTest::hidingTheIntroKeepsTheLoopRunning()
{
    const zub::DataPaths data(QStringLiteral(ZUB_SOURCE_DATA_DIR));
    auto& intro = App().CreateForm<zub::TSplashScreen>(data);
    auto& board = App().CreateForm<QWidget>();
    intro.setMain(board);
    bool ranOn = false;

    const int result = RunLoopWith([&] {
        QTest::mouseClick(&intro.Label2(), Qt::LeftButton);
        board.close();
        QTimer::singleShot(50, &App(), [&] {
            ranOn = true;
            App().Terminate();
        });
    });

    QCOMPARE(result, 0);
    QVERIFY(ranOn);
    QVERIFY(!intro.isVisible());
}

// Terminate ends the game also while a nested loop runs, as it does while an error box is open.
void ApplicationTest::terminateEndsTheLoopAlsoFromAnOpenErrorBox()
{
    const zub::DataPaths data(QStringLiteral(ZUB_SOURCE_DATA_DIR));
    App().CreateForm<zub::TSplashScreen>(data);
    bool boxClosed = false;
    App().setErrorReporter([&](const QString&) {
        QTimer::singleShot(0, &App(), [] { App().Terminate(); });
        QEventLoop box;
        box.exec();
        boxClosed = true;
    });

    const int result = RunLoopWith([] { App().ShowException(QStringLiteral("broken")); });

    QCOMPARE(result, 0);
    QVERIFY(boxClosed);
}

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    application.Initialize();
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
