// The start-up sequence with the real windows: failures while the windows are built, the hand-over from
// the intro to the board, and the end of the game.

#include "assets/datapaths.h"
#include "assets/jpegdecoder.h"
#include "assets/medianames.h"
#include "board/boardcontrols.h"
#include "board/mainscr.h"
#include "game/game.h"
#include "startup/application.h"
#include "startup/clickablelabel.h"
#include "startup/splash.h"
#include "startup/startup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using zub::Application;

namespace {

Application& App()
{
    return *Application::instance();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

// A data folder with a one-word list, a high-score table and the real media, less the file left out.
class TestData
{
public:
    explicit TestData(const QString& leftOut = {})
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("Intro"));
        const QByteArray words = "1\r\nCAT\r\n";
        WriteFile(paths().wordList1000(), words);
        WriteFile(paths().wordList2000(), words);
        QByteArray table = "Zub Hangman\r\n";
        for (int rank = 1; rank <= 10; ++rank)
            table +=
                "Player" + QByteArray::number(rank) + "\r\n" + QByteArray::number(1100 - 100 * rank) + "\r\n";
        table += "\r\n";
        WriteFile(paths().highScoreTemplate(), table);
        const zub::DataPaths source(QStringLiteral(ZUB_SOURCE_DATA_DIR));
        for (const QLatin1StringView name : zub::MediaNames::All) {
            if (name != leftOut)
                QVERIFY(QFile::copy(source.media(name), paths().media(name)));
        }
    }

    zub::DataPaths paths() const { return zub::DataPaths(m_folder.path()); }
    QString userHighScores() const { return m_folder.filePath(QStringLiteral("user/hang.zub")); }

private:
    QTemporaryDir m_folder;
};

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

// A window whose stored picture turns out to be broken when it is built.
class WindowWithBrokenPicture : public QWidget
{
public:
    WindowWithBrokenPicture()
    {
        QFile stored(QStringLiteral(":/zub/pictures/backdrop.jpg"));
        QByteArray bytes = stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray(4096, 'J');
        bytes[0] = 'X'; // no longer starts a JPEG stream
        zub::DecodeJpeg(bytes, QStringLiteral("Backdrop"));
    }
};

zub::TSplashScreen& Intro()
{
    return *static_cast<zub::TSplashScreen*>(App().MainForm());
}

// A control of the board by its component name.
template <typename Control = QWidget> Control& BoardControl(const char* name);

zub::TMain& Board()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* board = qobject_cast<zub::TMain*>(window))
            return *board;
    }
    qFatal("the board was not built");
}

template <typename Control> Control& BoardControl(const char* name)
{
    auto* control = Board().findChild<Control*>(QLatin1StringView(name));
    if (!control)
        qFatal("the board has no control named %s", name);
    return *control;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void missingMediaFileEndsTheProgramBeforeAnyWindow_data();
    void missingMediaFileEndsTheProgramBeforeAnyWindow();
    void brokenPictureEndsTheProgramBeforeAnyWindow();
    void introHandsOverToTheBoardWhoseGameStartsOnce();
    void boardErrorsAreShownByTheApplication();
    void closingOrExitEndsTheGameWithNoWindowLeft_data();
    void closingOrExitEndsTheGameWithNoWindowLeft();

private:
    QStringList m_errors;
};

void TestStartup::init()
{
    m_errors.clear();
    App().setErrorReporter([this](const QString& message) { m_errors << message; });
}

void TestStartup::cleanup()
{
    App().DestroyForms();
}

void TestStartup::missingMediaFileEndsTheProgramBeforeAnyWindow_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("intro movie") << QStringLiteral("Hangman.avi");
    QTest::newRow("game-over movie") << QStringLiteral("Game over.avi");
    QTest::newRow("background music") << QStringLiteral("backsound1.wav");
    QTest::newRow("new-word sound") << QStringLiteral("newword.wav");
}

// A media file that cannot be opened makes its window fail to build: one error box naming the file,
// then the program ends with 0 and no window was ever shown.
void TestStartup::missingMediaFileEndsTheProgramBeforeAnyWindow()
{
    QFETCH(QString, missing);
    const TestData data(missing);
    ShownWindows shown;

    const int result = zub::RunGame(App(), data.paths(), data.userHighScores());

    QCOMPARE(result, 0);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.front().contains(missing), qPrintable(m_errors.front()));
    QCOMPARE(shown.count, 0);
    QCOMPARE(App().MainForm(), nullptr);
}

// A stored picture that cannot be decoded while a window is built ends the program the same way.
void TestStartup::brokenPictureEndsTheProgramBeforeAnyWindow()
{
    const TestData data;
    ShownWindows shown;
    bool ran = false;

    const int result = zub::RunApplication(App(), [&](Application& application) {
        application.CreateForm<zub::TSplashScreen>(data.paths());
        application.CreateForm<WindowWithBrokenPicture>();
        ran = true;
    });

    QCOMPARE(result, 0);
    QVERIFY(!ran);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.front().startsWith(QStringLiteral("JPEG error #")), qPrintable(m_errors.front()));
    QCOMPARE(shown.count, 0);
}

// The intro's 25th tick shows the board, whose game starts on that first show; a later activation of
// the board does not start it again.
void TestStartup::introHandsOverToTheBoardWhoseGameStartsOnce()
{
    const TestData data;
    zub::CreateGameForms(App(), data.paths(), data.userHighScores());
    Intro().show();
    QVERIFY(!Board().isVisible());
    QCOMPARE(Board().game().state().WordLength, 0);

    for (int tick = 0; tick < zub::TSplashScreen::kIntroLength; ++tick)
        Intro().Timer1Timer();
    QVERIFY(Board().isVisible());
    QVERIFY(!Intro().isVisible());
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
void TestStartup::boardErrorsAreShownByTheApplication()
{
    const TestData data;
    zub::CreateGameForms(App(), data.paths(), data.userHighScores());
    QVERIFY(QFile::remove(data.paths().wordList1000()));

    QTest::mouseClick(&Intro().Label2(), Qt::LeftButton);

    QTRY_COMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.front().contains(QStringLiteral("datalst2.zub")), qPrintable(m_errors.front()));
}

void TestStartup::closingOrExitEndsTheGameWithNoWindowLeft_data()
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
void TestStartup::closingOrExitEndsTheGameWithNoWindowLeft()
{
    QFETCH(bool, useExit);
    QFETCH(bool, nameEntryOpen);
    const TestData data;
    bool boardWasShown = false;

    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &App(), [] { QCoreApplication::exit(1); });
    const int result = zub::RunApplication(App(), [&](Application& application) {
        zub::CreateGameForms(application, data.paths(), data.userHighScores());
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
    QFile saved(data.userHighScores());
    if (saved.open(QIODevice::ReadOnly))
        QVERIFY(!saved.readAll().contains("Nobody"));
    QVERIFY(m_errors.isEmpty());
}

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    application.Initialize();
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
