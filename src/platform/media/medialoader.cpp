#include "platform/media/medialoader.h"

#include "platform/error.h"
#include "platform/media/mediahandle.h"
#include "platform/media/playback.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace zub {

namespace {

enum class ModuleState
{
    NotLoaded,
    Loaded,
    Failed,
};
ModuleState g_state = ModuleState::NotLoaded;
MediaSystem* g_module = nullptr;
// Kept for the rest of the run: the players and the movie thread run the module's code until the very end.
QPluginLoader* g_loader = nullptr;

} // namespace

QString MediaModulePath()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/" ZUB_MEDIA_MODULE_INSTALLED));
#ifdef ZUB_MEDIA_MODULE_BUILT
    if (!QFileInfo::exists(installed))
        return QStringLiteral(ZUB_MEDIA_MODULE_BUILT);
#endif
    return installed;
}

MediaSystem* LoadMediaModule()
{
    if (g_state != ModuleState::NotLoaded)
        return g_module;
    g_state = ModuleState::Failed;
    const QString path = MediaModulePath();
    g_loader = new QPluginLoader(path);
    g_loader->setLoadHints(QLibrary::PreventUnloadHint);
    MediaSystem* module = qobject_cast<MediaSystem*>(g_loader->instance());
    if (!module)
        throw Error(QStringLiteral("Cannot load the media module \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path),
                             g_loader->isLoaded() ? QStringLiteral("it is not the game's media module.")
                                                  : g_loader->errorString()));
    g_module = module;
    g_state = ModuleState::Loaded;
    MediaHandle::ModuleLoaded(*module);
    return g_module;
}

bool MediaModuleLoaded()
{
    return g_state == ModuleState::Loaded;
}

} // namespace zub
