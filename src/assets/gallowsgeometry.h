#pragma once

#include "game/boardgeometry.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <array>

namespace zub::gallows {

// The night scene of the gallows as the stage pictures HANGPOS1 .. HANGPOS11 paint it. The game-over movie
// is played over the last of them and continues it in place, so both painters read their ground, deck,
// timbers, rope and colours from here. Places are in the picture's own pixels.

inline constexpr QSize kSize = kGallowsPicture.size();

inline const QColor kSkyTop(10, 16, 44);
inline const QColor kSkyBottom(58, 76, 120);
inline const QColor kHills(26, 36, 66);
inline const QColor kGrassTop(38, 66, 46);
inline const QColor kGrassBottom(16, 32, 22);
inline const QColor kWood(139, 92, 50);
inline const QColor kDarkWood(98, 62, 34);
inline const QColor kRope(214, 188, 128);

inline constexpr double kGroundTop = 204;
inline constexpr double kDeckTop = 212;
inline constexpr double kRopeX = 184; // where the rope hangs from the beam

inline constexpr std::array<double, 3> kLegLefts{28, 132, 232}; // the platform's legs, under the deck
inline constexpr QRectF kDeck(20, kDeckTop, 232, 11);
inline constexpr QRectF kPost(52, 10, 15, kDeckTop - 10);
inline constexpr QRectF kBeam(40, 9, 170, 15);
// The brace between post and beam: kBraceTimber turned by kBraceAngle degrees about kBraceCentre.
inline constexpr QPointF kBraceCentre(66, 78);
inline constexpr double kBraceAngle = -48;
inline constexpr QRectF kBraceTimber(-4, -5, 78, 10);

// A platform leg from under the deck to the bottom of the picture.
constexpr QRectF Leg(double left)
{
    return {left, kDeckTop + 10, 10, kSize.height() - kDeckTop - 10};
}

// The hills on the horizon, behind the gallows.
inline QPainterPath Hills()
{
    QPainterPath hills;
    hills.moveTo(0, 250);
    hills.lineTo(0, 182);
    hills.cubicTo(50, 160, 90, 186, 140, 178);
    hills.cubicTo(190, 170, 220, 156, 270, 172);
    hills.lineTo(270, 250);
    return hills;
}

} // namespace zub::gallows
