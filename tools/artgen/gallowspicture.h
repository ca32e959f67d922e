#pragma once

#include "assets/gallowsgeometry.h"

#include <QImage>
#include <QSize>

namespace zub::artgen {

// The gallows pictures HANGPOS1 .. HANGPOS11: a night scene in which each stage adds one piece, from the
// bare platform (1) through the complete gallows with its noose (6) to the whole skeleton hanging (11).

inline constexpr QSize kGallowsSize = gallows::kSize;
inline constexpr int kStageCount = 11;

// The painted picture of `stage` (1 .. 11), full colour, before it is mapped onto the shared palette.
QImage PaintGallows(int stage);

} // namespace zub::artgen
