#pragma once

#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>

class QWidget;

namespace zub {

// The game's side of the media module: the one place where the game and the module meet. Only Qt Core
// and Widgets types cross it, so that the program itself needs no media library; the module (built from
// the rest of this folder) brings the media system with it when it is loaded.

// One checked media file as the module plays it; see MediaPlayer for what each call does.
class Playback
{
public:
    virtual ~Playback() = default;

    virtual void Play() = 0;
    virtual void Stop() = 0;
    // A movie's uncompressed sound is played from memory, apart from its pictures.
    virtual void LoadSoundtrack() = 0;
    // A start cuts the sound still playing instead of playing on top of it (the music).
    virtual void setRestarts() = 0;

    virtual bool isPlaying() const = 0;
    virtual int timesPlayedToEnd() const = 0;
};

// What the module is asked to play.
struct PlaybackRequest
{
    QString fileName;                           // checked already by the game
    QWidget* display = nullptr;                 // the panel a movie is drawn into, when it is seen
    std::function<void(const QString&)> failed; // the media system cannot play the file; names it
};

// The root object of the module.
class MediaSystem
{
public:
    virtual ~MediaSystem() = default;
    // Made on the game's thread.
    virtual std::unique_ptr<Playback> CreatePlayback(const PlaybackRequest& request) = 0;
};

} // namespace zub

#define ZUB_MEDIA_SYSTEM_IID "io.github.zubhangman.MediaSystem/1"
Q_DECLARE_INTERFACE(zub::MediaSystem, ZUB_MEDIA_SYSTEM_IID)
