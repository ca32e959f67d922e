#pragma once

#include "game/boardgeometry.h"
#include "game/tiles.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zub::artgen {

// Where the board's controls lie, so the backdrop can show each one's frame and tile at the right place:
// the game's own tables, zub::kTiles and game/boardgeometry.h. The backdrop is an image at
// kBackdropOrigin in the board panel, so a control at (x, y) covers backdrop pixel (x, y) - kBackdropOrigin.

inline constexpr QPoint kBackdropOrigin = kBackdropArea.topLeft();
inline constexpr QSize kBackdropSize = kBackdropArea.size();

// A rectangle of the board panel in backdrop pixels.
QRect OnBackdrop(const QRect& boardRect);

} // namespace zub::artgen
