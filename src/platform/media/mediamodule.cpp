// The media module's root object: plays the game's media files with the media system. The game loads it
// once its first window is on the screen (see LoadMediaModule).

#include "platform/media/mediaplayer.h"
#include "platform/media/playback.h"
#include "platform/media/soundcue.h"

#include <QObject>
#include <exception>
#include <memory>

namespace zub {

namespace {

class ModulePlayback : public Playback
{
public:
    explicit ModulePlayback(const PlaybackRequest& request)
    {
        if (request.display)
            m_player.setDisplay(request.display);
        QObject::connect(&m_player, &MediaPlayer::failed, &m_player, request.failed);
        m_player.Open(request.fileName);
    }

    void Play() override { m_player.Play(); }
    void Stop() override { m_player.Stop(); }
    void LoadSoundtrack() override { m_player.LoadSoundtrack(); }
    void setRestarts() override
    {
        if (SoundCue* sound = m_player.sound())
            sound->setRepeat(SoundCue::Repeat::Restart);
    }
    bool isPlaying() const override { return m_player.isPlaying(); }
    int timesPlayedToEnd() const override { return m_player.timesPlayedToEnd(); }

private:
    MediaPlayer m_player;
};

} // namespace

class MediaModule : public QObject, public MediaSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZUB_MEDIA_SYSTEM_IID)
    Q_INTERFACES(zub::MediaSystem)

public:
    std::unique_ptr<Playback> CreatePlayback(const PlaybackRequest& request) override
    {
        return std::make_unique<ModulePlayback>(request);
    }
};

} // namespace zub

#include "mediamodule.moc"
