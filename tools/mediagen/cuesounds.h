#pragma once

#include "audiobuffer.h"

namespace zub::mediagen {

// The short sounds that accompany the game's events, each complete and at its final loudness.
// Every one starts and ends in silence, so it never clicks when it is started or cut off.

AudioBuffer FoundLetterSound(); // a found letter: a short, bright two-note blip
AudioBuffer WrongLetterSound(); // a wrong letter: a low buzzing thud
AudioBuffer WonWordSound();     // a won word: a short fanfare
AudioBuffer NewWordSound();     // a new word: a rising whoosh ending in a chime

// A dull knock of wood on wood, as a beam set in place or a trapdoor falling.
AudioBuffer WoodKnockSound();

} // namespace zub::mediagen
