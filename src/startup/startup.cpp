#include "startup/startup.h"

#include "assets/datapaths.h"
#include "assets/storedpictures.h"
#include "board/mainscr.h"
#include "game/cues.h"
#include "platform/media/mediahandle.h"
#include "platform/media/medialoader.h"
#include "startup/application.h"
#include "startup/showatonce.h"
#include "startup/splash.h"

namespace zub {

int RunApplication(Application& application, const FormBuilder& buildForms)
{
    try {
        application.Initialize();
        buildForms(application);
        application.Run();
        application.DestroyForms();
    } catch (...) {
        const QString message = DescribeCurrentException();
        // The windows go before the error box opens, so that no intro timer ticks and no window
        // appears behind it.
        application.DestroyForms();
        application.ShowException(message);
    }
    return 0;
}

void CreateGameForms(Application& application, const DataPaths& data, const QString& userHighScores,
                     const std::function<void(QWidget& intro)>& introBuilt)
{
    // Everything about the media files that can fail while the board is built fails here, before any
    // window shows.
    for (const QLatin1StringView name : kMediaFiles)
        MediaHandle::Check(data.media(name));
    PrefetchStoredPictures(); // decoded while the intro window is built
    TSplashScreen& SplashScreen = application.CreateForm<TSplashScreen>(data);
    if (introBuilt)
        introBuilt(SplashScreen);
    // The board registers the game's fonts; the intro's texts are first drawn after that.
    // The board's handlers report their errors in the application's one error box.
    TMain& Main = application.CreateForm<TMain>(
        data, userHighScores, [&application](const QString& message) { application.ShowException(message); });
    SplashScreen.setMain(Main);
}

int RunGame(Application& application, const DataPaths& data, const QString& userHighScores)
{
    // The intro goes on the screen before the board is built: what could fail while the board is built
    // (its media files) has been checked by then, and the board is ready long before the player can skip.
    return RunApplication(application, [&](Application& app) {
        CreateGameForms(app, data, userHighScores, [](QWidget& intro) {
            ShowAtOnce(intro);
            // The media system is read only now that the intro is on its way to the screen; the intro's
            // movie, asked for when the intro showed, starts as the module is loaded.
            LoadMediaModule();
        });
    });
}

} // namespace zub
