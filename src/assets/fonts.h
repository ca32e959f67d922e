#pragma once

#include <QFont>

namespace zub {

// The typefaces the board's texts are set in. The game loads its own font files (Liberation Sans and
// Liberation Sans Narrow), so the board looks the same on every machine.
enum class BoardTypeface
{
    SansSerif,   // the score boxes, the dashes and the panels' buttons and name field
    Arial,       // the high-score table
    ArialNarrow, // the letter slots of the word row
};

// Adds the board's font files to the application; call once after the application object exists.
// Throws zub::Error naming a font file that cannot be loaded. Further calls do nothing.
void RegisterBoardFonts();

// A font of the given typeface whose characters are pixelHeight pixels high (without internal leading).
QFont BoardFont(BoardTypeface face, int pixelHeight, bool bold);

} // namespace zub
