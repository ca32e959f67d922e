#pragma once

#include "audiobuffer.h"

namespace zub::mediagen {

// The sound of the intro movie, 25 seconds, following the intro timeline: a slow swelling chord under
// the title's letters, a knock for every beam of the gallows, a blip or a buzz for every guess, a
// fanfare when the word is found and a last soft chord under the closing card.
AudioBuffer IntroSoundtrack();

// The sound of the game-over movie: the trapdoor's knock and a low, falling minor chord.
AudioBuffer GameOverSoundtrack();

} // namespace zub::mediagen
