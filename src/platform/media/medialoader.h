#pragma once

#include <QString>

namespace zub {

class MediaSystem;

// The media module: the part of the game that plays sounds and movies, with the media system it brings.
// The program loads it once, when it is first needed, so that the intro can show before the media
// libraries are read.
//
// It is looked for where the game installs it, relative to the program's folder, and, in a build that
// runs the game from its build folder, where the build puts it. A module that is missing or cannot be
// loaded is a zub::Error naming the file.

// Loads the module on the first call and then plays every media player that has asked to (see
// MediaHandle::Play). Throws on the first call that fails; the game then plays silently.
MediaSystem* LoadMediaModule();
// Whether the module has been loaded.
bool MediaModuleLoaded();
// The file LoadMediaModule loads.
QString MediaModulePath();

} // namespace zub
