#pragma once

#include "audiobuffer.h"

#include <QByteArray>
#include <QString>

namespace zub::mediagen {

// Wave-audio files: 16-bit PCM, mono, at the buffer's sample rate.

// The complete file: RIFF header, format chunk and the samples, clamped to -1 .. 1 and rounded.
QByteArray WavBytes(const AudioBuffer& sound);

// Writes the file; throws std::runtime_error naming `path` if it cannot be written.
void WriteWav(const AudioBuffer& sound, const QString& path);

} // namespace zub::mediagen
