#pragma once

#include "platform/media/waveheader.h"

#include <QByteArray>
#include <optional>

namespace zub {

// The uncompressed sound a movie file carries, taken out of it to be played as a sound of its own.
struct MovieSound
{
    WaveFormat format; // of samples, which start at offset 0
    QByteArray samples;
};

// The first PCM sound stream of an AVI movie, given the file's bytes, with all its samples in order;
// nothing when the bytes are no AVI file or carry no 8-, 16- or 32-bit PCM sound. A file cut short gives
// the whole frames up to the cut.
std::optional<MovieSound> ReadMovieSound(const QByteArray& avi);

} // namespace zub
