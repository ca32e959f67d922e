#pragma once

#include <QColor>
#include <QImage>

namespace zub::artgen {

// The board as the player sees it: the 950 x 650 backdrop with the night sky and landscape, the wooden
// boards that frame the gallows, the scores, the word row and the switch, the title, and the shelf of
// letter tiles with the New Word button.

inline const QColor kLetterRed(200, 20, 30);         // a letter not yet guessed
inline const QColor kUsedLetterWhite(255, 255, 255); // a letter already guessed
inline const QColor kNewWordRed(200, 20, 30);        // New Word while it can be clicked
inline const QColor kNewWordGrey(150, 146, 140);     // New Word while it is locked

// The whole board, its letters in `letterInk` and the New Word lettering in `newWordInk`. Painting it
// twice with different inks gives pictures that differ only in the lettering, which is how a used-tile
// picture replaces just the letter's colour when it is shown over the backdrop.
QImage PaintBoard(const QColor& letterInk, const QColor& newWordInk);

} // namespace zub::artgen
