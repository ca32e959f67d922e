#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zub {

// Where the board's fixed controls lie, as the window lays them out and the art generator paints the
// backdrop under them. Rectangles are in the coordinates of the board panel; the letter tiles are in
// kTiles (game/tiles.h).

inline constexpr QSize kBoardSize(960, 660); // the board panel, centred in the window's client area

// The backdrop fills the board inside the panel's 4-pixel raised bevel and one pixel more.
inline constexpr QRect kBackdropArea(5, 5, 950, 650);

inline constexpr QRect kNewWordPicture(300, 515, 348, 53);
inline constexpr QRect kNewWordClick(305, 520, 336, 41);
inline constexpr QRect kGallowsPicture(33, 75, 270, 250); // the hanged man's stage, and the game-over movie
inline constexpr QRect kSwitchPicture(715, 100, 215, 140);
inline constexpr QRect kScorePanel(140, 29, 126, 44);
inline constexpr QRect kBestScorePanel(705, 56, 166, 36);
inline constexpr QRect kWordPanel(40, 336, 436, 106);

// The pictures and controls of the name-entry, well-done and about panels, in each panel's coordinates.
inline constexpr QRect kNameEntryPicture(5, 10, 331, 181);
inline constexpr QRect kNameField(32, 65, 269, 37);
inline constexpr QRect kNameOkButton(127, 146, 99, 45);
inline constexpr QRect kWellDonePicture(5, 5, 316, 116);
inline constexpr QRect kAboutPicture(5, 5, 300, 242);
inline constexpr QRect kAboutOkButton(125, 210, 66, 31);

// The tops of the word row's texts in kWordPanel; their Lefts are the rules' (ComponentFlags).
inline constexpr int kLetterTop = 35;
inline constexpr int kDashesTop = 50;

} // namespace zub
