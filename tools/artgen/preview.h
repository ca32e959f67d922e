#pragma once

#include "artwriter.h"

#include <QList>
#include <QString>

namespace zub::artgen {

// Writes PNG pictures for looking the art over, decoded from the finished files as the game will read
// them: board.png (the backdrop with sample scores, a half-guessed word, stage 6 of the gallows and the
// switch, a few used tiles and the locked New Word button), stages.png (all stage pictures and the
// banner), panels.png (the panel pictures at their on-screen sizes) and small.png (glyph, skip picture
// and icon, enlarged). Throws std::runtime_error if a file cannot be decoded or a PNG written.
void WritePreviews(const QList<ArtFile>& files, const QString& folder);

} // namespace zub::artgen
