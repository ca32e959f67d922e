#pragma once

#include <QImage>
#include <QSize>

namespace zub::artgen {

// The pictures of the board's pop-up panels, in the same night colours as the board.

inline constexpr QSize kNameEntrySize(400, 184);
inline constexpr QSize kWellDoneSize(381, 112);
inline constexpr QSize kAboutSize(300, 242);

// Asks for the player's name: the title in the top third, a recess behind the name field and room for
// the OK button at the bottom. The panel shows it squeezed to 331 x 181, so it is painted stretched the
// other way and looks true on screen.
QImage PaintNameEntry();

// "WELL DONE!" after a won word; shown squeezed to 316 x 116, painted to look true there.
QImage PaintWellDone();

// The about box: name, version and a line about the game, with the bottom left free for the OK button.
QImage PaintAbout();

} // namespace zub::artgen
