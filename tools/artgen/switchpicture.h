#pragma once

#include <QImage>
#include <QSize>

namespace zub::artgen {

// The switch pictures SWITCHPOS1 .. SWITCHPOS11: a lever on a half-round dial, from the far left at
// stage 1 through upright at stage 6 to the far right at stage 11. The dial has one tick and one lamp
// per stage, from green to red; the lamps up to the lever's stage are lit.

inline constexpr QSize kSwitchSize(215, 140);

// The lever's angle at `stage` (1 .. 11) in degrees, counter-clockwise from pointing right: 180 at
// stage 1, 90 at stage 6, 0 at stage 11.
qreal LeverAngle(int stage);

// The painted picture of `stage`, full colour, before it is mapped onto the shared palette.
QImage PaintSwitch(int stage);

} // namespace zub::artgen
