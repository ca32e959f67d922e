#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace zub::artgen {

// One finished picture file: its name in the art folder and its bytes.
struct ArtFile
{
    QString name;
    QByteArray bytes;
};

// Paints every picture of the game and encodes each in the format the game reads: the stage pictures
// and the banner as 8-bit bitmap resources on one shared colour table, the backdrop and the panel
// pictures as JPEG, the used tiles, New Word, glyph and skip pictures as BMP, and the icon. Throws
// std::runtime_error if a file does not come out at the size its format fixes.
QList<ArtFile> MakeArtFiles();

// Writes the files into `folder` (created if missing); throws std::runtime_error naming a file that
// cannot be written.
void WriteArtFiles(const QList<ArtFile>& files, const QString& folder);

// The size a file of the given name must have, or -1 where the format does not fix it (JPEG).
qsizetype ExpectedFileSize(const QString& name);

} // namespace zub::artgen
