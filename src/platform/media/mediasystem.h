#pragma once

namespace zub {

// Makes the media system's choice of audio output safe and keeps its complaints about a missing sound
// device off the console until SoundDeviceAvailable has asked; call it before the first player is made.
void PrepareMediaSystem();

// Whether the machine has a sound output to play the game's sounds on. The first call asks the sound
// system; without a sound device it prints one line saying that the game plays without sound, and from
// then on the media system's own complaints about the missing device stay off the console.
bool SoundDeviceAvailable();

} // namespace zub
