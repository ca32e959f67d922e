#include "platform/media/mediahandle.h"

#include "platform/error.h"
#include "platform/media/mediafilecheck.h"
#include "platform/media/medialoader.h"
#include "platform/media/playback.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>
#include <utility>
#include <vector>

namespace zub {

namespace {

// The open handles still waiting for the module.
std::vector<MediaHandle*> g_waiting;
bool g_loadQueued = false;

void QueueModuleLoad()
{
    if (std::exchange(g_loadQueued, true) || MediaModuleLoaded())
        return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { LoadMediaModule(); }, Qt::QueuedConnection);
}

} // namespace

MediaHandle::MediaHandle(QObject* parent) : QObject(parent) {}

MediaHandle::~MediaHandle()
{
    std::erase(g_waiting, this);
}

void MediaHandle::Check(const QString& fileName)
{
    ReadCheckedMediaFile(fileName);
}

void MediaHandle::Open(const QString& fileName)
{
    ReadCheckedMediaFile(fileName);
    m_fileName = QFileInfo(fileName).absoluteFilePath();
    if (MediaModuleLoaded())
        createPlayback(*LoadMediaModule());
    else
        g_waiting.push_back(this);
}

void MediaHandle::ModuleLoaded(MediaSystem& module)
{
    for (MediaHandle* handle : std::exchange(g_waiting, {}))
        handle->createPlayback(module);
}

void MediaHandle::createPlayback(MediaSystem& module)
{
    PlaybackRequest request{m_fileName, m_display.data(),
                            [this](const QString& message) { Q_EMIT failed(message); }};
    m_playback = module.CreatePlayback(request);
    if (m_restarts)
        m_playback->setRestarts();
    if (m_soundtrackApart)
        m_playback->LoadSoundtrack();
    if (std::exchange(m_playDue, false))
        m_playback->Play();
}

void MediaHandle::Play()
{
    if (!isOpen())
        throw Error(QStringLiteral("Cannot play: the media player has no file open."));
    if (m_playback) {
        m_playback->Play();
        return;
    }
    m_playDue = true;
    QueueModuleLoad();
}

void MediaHandle::Stop()
{
    m_playDue = false;
    if (m_playback)
        m_playback->Stop();
}

void MediaHandle::LoadSoundtrack()
{
    m_soundtrackApart = true;
    if (m_playback)
        m_playback->LoadSoundtrack();
}

void MediaHandle::setRestarts()
{
    m_restarts = true;
    if (m_playback)
        m_playback->setRestarts();
}

bool MediaHandle::isPlaying() const
{
    return m_playback ? m_playback->isPlaying() : m_playDue;
}

int MediaHandle::timesPlayedToEnd() const
{
    return m_playback ? m_playback->timesPlayedToEnd() : 0;
}

} // namespace zub
