#pragma once

#include "platform/media/waveheader.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zub {

// What is read of a short sound's file: all its bytes and what its header says.
struct CheckedWave
{
    QByteArray bytes;
    WaveFormat format;
};

// Whether the game plays fileName as a short sound (a ".wav" file) rather than as a movie.
bool IsWaveFile(const QString& fileName);

// The file's bytes and format for a sound, nothing for a movie. Throws zub::Error naming the file when it
// is missing or unreadable, or, for a sound, no uncompressed wave sound.
std::optional<CheckedWave> ReadCheckedMediaFile(const QString& fileName);

} // namespace zub
