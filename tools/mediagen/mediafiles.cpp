#include "mediafiles.h"

#include "cuesounds.h"
#include "game/cues.h"
#include "gameovermovie.h"
#include "intromovie.h"
#include "introtimeline.h"
#include "moviewriter.h"
#include "music.h"
#include "soundtracks.h"
#include "wavfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <stdexcept>

namespace zub::mediagen {

namespace {

// Moderate JPEG quality keeps the movies small; their pictures are dark and smooth.
constexpr int kIntroQuality = 9;
constexpr int kGameOverQuality = 4;

void report(const QString& path)
{
    QTextStream(stdout) << QFileInfo(path).fileName() << ": " << QFileInfo(path).size() << " bytes\n";
}

} // namespace

void WriteMediaFiles(const QString& folder, const QString& encoderProgram)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        throw std::runtime_error("cannot create the folder " + folder.toStdString());
    }
    const auto pathOf = [&dir](QLatin1StringView name) { return dir.filePath(QString(name)); };

    const struct
    {
        QLatin1StringView name;
        AudioBuffer (*make)();
    } sounds[] = {{MediaOf(Cue::BackSound).file, BackgroundMusic},
                  {MediaOf(Cue::MediaWin).file, FoundLetterSound},
                  {MediaOf(Cue::LoseLetter).file, WrongLetterSound},
                  {MediaOf(Cue::WinSound).file, WonWordSound},
                  {MediaOf(Cue::NewWord).file, NewWordSound}};
    for (const auto& sound : sounds) {
        WriteWav(sound.make(), pathOf(sound.name));
        report(pathOf(sound.name));
    }

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        throw std::runtime_error("cannot create a temporary folder: " + scratch.errorString().toStdString());
    }
    const QString introSound = scratch.filePath(QStringLiteral("intro.wav"));
    WriteWav(IntroSoundtrack(), introSound);
    WriteMovie(encoderProgram,
               {.path = pathOf(kIntroMovie),
                .frameSize = intro::kFrameSize,
                .framesPerSecond = intro::kFramesPerSecond,
                .frameCount = intro::FrameCount(),
                .quality = kIntroQuality,
                .soundtrackWav = introSound},
               IntroFrame);
    report(pathOf(kIntroMovie));

    const QString gameOverSound = scratch.filePath(QStringLiteral("gameover.wav"));
    WriteWav(GameOverSoundtrack(), gameOverSound);
    WriteMovie(encoderProgram,
               {.path = pathOf(MediaOf(Cue::GameOverMovie).file),
                .frameSize = gameover::kFrameSize,
                .framesPerSecond = gameover::kFramesPerSecond,
                .frameCount = gameover::FrameCount(),
                .quality = kGameOverQuality,
                .soundtrackWav = gameOverSound},
               GameOverFrame);
    report(pathOf(MediaOf(Cue::GameOverMovie).file));
}

} // namespace zub::mediagen
