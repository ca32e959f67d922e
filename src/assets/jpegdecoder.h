#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zub {

// Decodes a JPEG picture held in memory into a 24-bit RGB image at its full size, through libjpeg's
// decompression interface. A picture the decoder rejects, or reports as corrupt or cut short, throws
// zub::Error("JPEG error #N ...") with the decoder's error number, followed by `what` (the picture's name)
// and the decoder's own words. Pictures larger than 16384 x 16384 pixels or 100 MB are refused.
QImage DecodeJpeg(const QByteArray& bytes, const QString& what);

} // namespace zub
