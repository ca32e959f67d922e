#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zub {

// Decodes a header-less 8-bit device-independent bitmap: the form in which the gallows, switch and banner
// pictures are stored. The bytes are a 40-byte information header, a 256-entry colour table (blue, green,
// red, 0) and bottom-up rows of one byte per pixel padded to 4 bytes. Every size in the header is checked
// against the data before a byte of it is read; anything else throws zub::Error naming `what`.
QImage DecodeDib(const QByteArray& bytes, const QString& what);

} // namespace zub
