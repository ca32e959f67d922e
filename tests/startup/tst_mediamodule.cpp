// The media module is read after the intro has shown, never before: the game starts as lean as a bare
// window, and then plays the intro's movie and the board's cues through the module. Its own process, as
// the module stays loaded for the rest of a run.

#include "boardtestdata.h"
#include "platform/media/mediahandle.h"
#include "platform/media/medialoader.h"
#include "platform/terminate.h"
#include "startup/application.h"
#include "startup/splash.h"
#include "startup/startup.h"

#include <QTest>
#include <QTimer>

using zub::Application;

class MediaModuleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // At the intro's show the module is not loaded yet; once the event loop runs, the intro's movie plays
    // through it, with no error.
    void loadedAfterTheIntroShows()
    {
        auto& app = *Application::instance();
        QStringList errors;
        app.setErrorReporter([&](const QString& message) { errors << message; });
        const BoardTestData data;
        struct IntroShow : QObject
        {
            int shows = 0;
            bool moduleLoadedAtShow = true;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (event->type() == QEvent::Show && qobject_cast<zub::TSplashScreen*>(watched)) {
                    ++shows;
                    moduleLoadedAtShow = zub::MediaModuleLoaded();
                }
                return false;
            }
        } introShow;
        app.installEventFilter(&introShow);
        bool introPlaysThroughModule = false;
        QTimer::singleShot(0, &app, [&] {
            const auto* intro = qobject_cast<zub::TSplashScreen*>(app.MainForm());
            introPlaysThroughModule = zub::MediaModuleLoaded() && intro && intro->Media().isPlaying();
            zub::Terminate();
        });

        zub::RunGame(app, data.paths(), data.highScoreFile());

        app.removeEventFilter(&introShow);
        QCOMPARE(introShow.shows, 1);
        QVERIFY(!introShow.moduleLoadedAtShow);
        QVERIFY(introPlaysThroughModule);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    MediaModuleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mediamodule.moc"
