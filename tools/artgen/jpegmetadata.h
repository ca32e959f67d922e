#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace zub::artgen {

// Contents of the metadata segments that each stored JPEG picture carries; the marker and the length
// field are added by the encoder.

// APP1 Exif: the "Exif" identifier and a little-endian TIFF structure with the resolution (72 dpi), the
// orientation, the creating program and an Exif directory with the pixel size.
QByteArray ExifPayload(QSize size);

// APP1 XMP: the XMP namespace identifier and an XMP packet naming the picture and its creator.
QByteArray XmpPayload(const QString& title);

// APP13: the image-editor resource identifier and one resource block holding an empty IPTC record.
QByteArray ImageResourcePayload();

inline constexpr char kCreatorName[] = "zub-artgen";

} // namespace zub::artgen
