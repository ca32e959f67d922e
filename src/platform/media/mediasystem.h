#pragma once

namespace zub {

// Whether the machine has a sound output to play the game's sounds on. The first call asks the sound
// system; without a sound device it prints one line saying that the game plays without sound, and from
// then on the media system's own complaints about the missing device stay off the console. Also makes
// the media system's choice of audio output safe; call it before the first player is made.
bool SoundDeviceAvailable();

} // namespace zub
