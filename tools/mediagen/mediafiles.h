#pragma once

#include <QString>

namespace zub::mediagen {

// Writes the game's seven media files into `folder` under the names the game opens them by: the five
// cue sounds, the intro movie and the game-over movie. `encoderProgram` is the video encoder used for
// the movies. Reports each file on standard output; throws std::runtime_error naming the file that
// could not be made.
void WriteMediaFiles(const QString& folder, const QString& encoderProgram);

} // namespace zub::mediagen
