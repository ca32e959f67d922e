#pragma once

#include "audiobuffer.h"

namespace zub::mediagen {

// The calm background music: 16 seconds, four bars of a slow chord progression with a plucked
// arpeggio and a few bell notes. The game starts it again every 16 seconds, so it begins and ends
// softly and its last chord leads back to its first.
AudioBuffer BackgroundMusic();

constexpr double kBackgroundMusicLength = 16.0;

} // namespace zub::mediagen
