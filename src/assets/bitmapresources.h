#pragma once

#include <QImage>
#include <QString>

namespace zub {

// Loads a bitmap resource carried in the executable by its name: "HANGPOS1" .. "HANGPOS11",
// "SWITCHPOS1" .. "SWITCHPOS11" or "HANGHIGHSCORE", each an 8-bit picture with the game's 256-colour
// table. An unknown name or a broken bitmap throws zub::Error naming the resource.
QImage LoadFromResourceName(const QString& name);

} // namespace zub
