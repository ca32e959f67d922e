#pragma once

#include "game/tiles.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zub::artgen {

// Where the board's controls lie, so the backdrop can show each one's frame and tile at the right place.
//
// Rectangles are in the coordinates of the board panel, as the window lays them out. The backdrop is an
// image at (5, 5) in that panel, so a control at (x, y) covers backdrop pixel (x - 5, y - 5).

inline constexpr QPoint kBackdropOrigin(5, 5);
inline constexpr QSize kBackdropSize(950, 650);

// The letter tiles are the game's own table, zub::kTiles: the backdrop paints each under its click area.
using zub::kTiles;
using zub::TileRule;

inline constexpr QRect kNewWordPicture(300, 515, 348, 53);
inline constexpr QRect kNewWordClick(305, 520, 336, 41);
inline constexpr QRect kHangmanPicture(33, 75, 270, 250);
inline constexpr QRect kSwitchPicture(715, 100, 215, 140);
inline constexpr QRect kScorePanel(140, 29, 126, 44);
inline constexpr QRect kBestScorePanel(705, 56, 166, 36);
inline constexpr QRect kWordPanel(40, 336, 436, 106);

// A rectangle of the board panel in backdrop pixels.
QRect OnBackdrop(const QRect& boardRect);

} // namespace zub::artgen
