#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zub::artgen {

// Encodes a picture as the game stores its JPEG pictures.
//
// Baseline JFIF 1.02, 8-bit, three components (luminance and two colour differences) with no chroma
// subsampling, a restart marker after every row of 8 x 8 blocks, 72 x 72 dots per inch, an Adobe segment
// with colour transform 1, and the metadata segments Exif and XMP (APP1), an sRGB colour profile (APP2)
// and an image-editor resource block (APP13). Throws std::runtime_error with the encoder's message.
QByteArray EncodeJpeg(const QImage& picture, const QString& title, int quality = 90);

// Blocks of 8 x 8 pixels (one per component, so one coded unit) across one row of a picture.
int McusPerRow(int width);

} // namespace zub::artgen
